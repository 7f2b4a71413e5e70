#!/usr/bin/env bash
# quellor-cli.exe under Wine: the filter keeps every byte, files convert in place,
# and a folder tree with a cycle of links is walked once. The tree is made from
# the Linux side, since Wine cannot make symbolic links itself.
set -u
exe=$1
wine_exec=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failed=0
fail() { echo "FAILED: $*"; failed=1; }
win() { local path=$1; echo "Z:${path//\//\\}"; }
run() { "$wine_exec" "$exe" "$@"; }

# The filter: NUL, lone CR and LF, bytes above 0x7F pass through untouched.
printf 'a\r\nhref="AB.HTM"\r\xC0\xFF\0 src="C.GIF"\n\r' >"$dir/in"
printf 'a\r\nhref="ab.htm"\r\xC0\xFF\0 src="C.GIF"\n\r' >"$dir/expected"
run <"$dir/in" >"$dir/out" 2>"$dir/err" || fail "filter exit status $?"
cmp -s "$dir/out" "$dir/expected" || fail "filter output: $(od -c "$dir/out")"
[ ! -s "$dir/err" ] || fail "filter wrote to standard error: $(cat "$dir/err")"

# In place, with an unchanged and a missing file.
mkdir "$dir/files"
printf 'addItem("A","B.HTM","C")' >"$dir/files/a.js"
printf 'nothing here' >"$dir/files/b.htm"
run "$(win "$dir/files/a.js")" "$(win "$dir/files/b.htm")" "$(win "$dir/files/none.htm")" \
  >"$dir/out" 2>"$dir/err"
status=$?
[ "$status" = 1 ] || fail "in-place exit status $status, expected 1"
[ "$(cat "$dir/files/a.js")" = 'addItem("A","b.htm","C")' ] || fail "a.js holds $(cat "$dir/files/a.js")"
[ ! -e "$dir/files/none.htm" ] || fail "a missing file was created"
grep -q 'none.htm: cannot read' "$dir/err" || fail "no read error reported: $(cat "$dir/err")"
tr -d '\r' <"$dir/err" | grep -qx '1 converted, 1 unchanged, 1 failed' || fail "summary: $(cat "$dir/err")"

# A tree whose links lead back into it.
tree=$dir/tree
mkdir -p "$tree/S1/deeper" "$tree/S2"
for file in a.txt S1/b.txt S1/deeper/c.txt S2/d.txt; do printf 'href="X.HTM"' >"$tree/$file"; done
ln -s "$tree" "$tree/S1/deeper/back"
ln -s ../S1 "$tree/S2/toS1"
ln -s . "$tree/S2/self"
listed=$(timeout 60 "$wine_exec" "$exe" --list -r "$(win "$tree")" | tr -d '\r' | sed 's/.*\\//' | sort | tr '\n' ' ')
[ "$listed" = "a.txt b.txt c.txt d.txt " ] || fail "tree with link cycles listed: $listed"
run -r "$(win "$tree")" >/dev/null 2>"$dir/err"
tr -d '\r' <"$dir/err" | grep -qx '4 converted, 0 unchanged, 0 failed' || fail "tree conversion: $(cat "$dir/err")"

[ "$failed" = 0 ] && echo "all passed"
exit "$failed"
