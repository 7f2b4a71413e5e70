#!/usr/bin/env bash
# A write that runs out of space must leave the old content whole and no
# temporary file behind: a 64 KB tmpfs holding a 40 KB target.
# Usage: full_disk.sh TOOL native | TOOL wine EMULATOR...
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/fault_lib.sh"

if [ "$(id -u)" != 0 ]; then
  echo "mounting a tmpfs needs root: skipped"
  exit 77
fi

work=$(mktemp -d)
disk=$work/disk
mkdir "$disk"
cleanup() {
  umount "$disk" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
mount -t tmpfs -o size=64k tmpfs "$disk" || { echo "cannot mount a tmpfs: skipped"; exit 77; }

head -c 40000 /dev/urandom >"$work/old"
head -c 100000 /dev/urandom >"$work/large"
head -c 8000 /dev/urandom >"$work/small"
cp "$work/old" "$disk/page.html"

expect_exit 3 "a text larger than the free space fails" \
  run_tool write "$(tool_path "$disk/page.html")" "$(tool_path "$work/large")"
expect_same "$disk/page.html" "$work/old" "the old content survives the full disk"
expect_only "$disk" page.html

# A new file that does not fit is not left half written either.
expect_exit 3 "creating a file larger than the free space fails" \
  run_tool write "$(tool_path "$disk/new.html")" "$(tool_path "$work/large")"
expect_only "$disk" page.html

# What fits beside the old content is written.
expect_exit 0 "a text that fits is written" \
  run_tool write "$(tool_path "$disk/page.html")" "$(tool_path "$work/small")"
expect_same "$disk/page.html" "$work/small" "the file holds the new text"
expect_only "$disk" page.html

finish
