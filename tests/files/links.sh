#!/usr/bin/env bash
# A write through a symbolic link changes the file it leads to and leaves the
# link a link; the temporary file goes beside the real file and does not stay.
# Under Wine this covers its Unix links, which it shows as ordinary files.
# Usage: links.sh TOOL native | TOOL wine EMULATOR...
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/fault_lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/real" "$work/site"
printf 'old' >"$work/real/page.html"
printf 'new text' >"$work/new"
ln -s ../real/page.html "$work/site/page.html"
ln -s page.html "$work/site/chain.html"

expect_link() {
  if [ -L "$1" ]; then echo "ok: $1 is still a link"; else
    echo "FAIL: $1 was replaced by a file"
    failures=$((failures + 1))
  fi
}

expect_exit 0 "a write through a link succeeds" \
  run_tool write "$(tool_path "$work/site/page.html")" "$(tool_path "$work/new")"
expect_same "$work/real/page.html" "$work/new" "the linked file holds the new text"
expect_link "$work/site/page.html"

printf 'chained' >"$work/new"
expect_exit 0 "a write through a chain of links succeeds" \
  run_tool write "$(tool_path "$work/site/chain.html")" "$(tool_path "$work/new")"
expect_same "$work/real/page.html" "$work/new" "the file at the end of the chain changed"
expect_link "$work/site/chain.html"
expect_link "$work/site/page.html"
expect_only "$work/site" chain.html page.html
expect_only "$work/real" page.html

finish
