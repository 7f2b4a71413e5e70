#!/usr/bin/env bash
# Draws the program icon (a page whose capital link letter becomes a small one)
# and packs it as quellor.ico in 48, 32 and 16 pixels. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 256x256 xc:none \
  -fill white -stroke '#44546a' -strokewidth 10 \
  -draw 'path "M 40,12 L 170,12 L 220,62 L 220,244 L 40,244 Z"' \
  -fill '#c9d3e0' -draw 'path "M 170,12 L 170,62 L 220,62 Z"' \
  -stroke none -fill '#1f3f77' -font DejaVu-Sans-Bold -pointsize 110 \
  -draw 'text 52,128 "A"' \
  -fill '#2e9d48' -draw 'path "M 150,92 L 196,92 L 196,128 L 214,128 L 173,166 L 132,128 L 150,128 Z"' \
  -fill '#d2461e' -pointsize 120 -draw 'text 118,230 "a"' \
  "$work/master.png"
for size in 48 32 16; do
  convert "$work/master.png" -resize ${size}x${size} "$work/icon-$size.png"
done
convert "$work/icon-48.png" "$work/icon-32.png" "$work/icon-16.png" quellor.ico
