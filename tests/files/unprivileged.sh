#!/usr/bin/env bash
# As an unprivileged user, where permissions really bind: a read-only file stays
# unchanged, an unreadable one reads as a failure, and a file the user may not
# write is not replaced even though the folder would allow the rename.
# Usage: unprivileged.sh TOOL native | TOOL wine EMULATOR...
# Under Wine this needs the prefix owned by nobody that scripts/setup creates.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/fault_lib.sh"

if [ "$(id -u)" != 0 ]; then
  echo "switching to another user needs root: skipped"
  exit 77
fi
command -v setpriv >/dev/null || { echo "setpriv is missing: skipped"; exit 77; }
user=nobody
group=$(id -gn nobody)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
# The tool must be reachable by the user wherever the build tree lies.
cp "$tool" "$work/"
tool_copy=$work/$(basename "$tool")
chmod 755 "$tool_copy"

as_user_env=()
if [ "$mode" = wine ]; then
  root=$(cd "$here/../.." && pwd)
  . "$root/scripts/lib/common.sh"
  prefix=$QUELLOR_BUILD/wineprefix-nobody
  if [ ! -f "$prefix/system.reg" ] || [ "$(stat -c %U "$prefix")" != "$user" ]; then
    echo "no Wine prefix for $user in $prefix (scripts/setup makes it): skipped"
    exit 77
  fi
  as_user_env=(HOME="$prefix/home" WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all
    LC_ALL=ru_RU.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml=")
  loader=$(wine_loader)
fi
as_user() {
  if [ "$mode" = wine ]; then
    setpriv --reuid="$user" --regid="$group" --clear-groups env "${as_user_env[@]}" \
      "$loader" "$tool_copy" "$@"
  else
    setpriv --reuid="$user" --regid="$group" --clear-groups "$tool_copy" "$@"
  fi
}

dir=$work/site
mkdir "$dir"
chown "$user:$group" "$dir"
printf 'new text' >"$work/new"
chmod 644 "$work/new"
printf 'original' >"$work/old"

make_file() {  # make_file NAME OWNER MODE
  cp "$work/old" "$dir/$1"
  chown "$2" "$dir/$1"
  chmod "$3" "$dir/$1"
}
make_file readonly.txt "$user:$group" 444
make_file unreadable.txt "$user:$group" 000
make_file others.txt root:root 644
make_file mine.txt "$user:$group" 644

expect_exit 1 "a read-only file is refused" \
  as_user write "$(tool_path "$dir/readonly.txt")" "$(tool_path "$work/new")"
expect_same "$dir/readonly.txt" "$work/old" "the read-only file is unchanged"

expect_exit 5 "an unreadable file reads as a failure" as_user read "$(tool_path "$dir/unreadable.txt")"
expect_exit 4 "an unreadable file is never the source of a write" \
  as_user write "$(tool_path "$dir/mine.txt")" "$(tool_path "$dir/unreadable.txt")"
expect_same "$dir/mine.txt" "$work/old" "nothing was written from the unreadable file"

# The folder is the user's, so a rename over the file would succeed: the file's
# own permissions must be respected all the same.
if [ "$mode" = wine ]; then others_code=3; else others_code=1; fi
expect_exit "$others_code" "another user's file is not replaced" \
  as_user write "$(tool_path "$dir/others.txt")" "$(tool_path "$work/new")"
expect_same "$dir/others.txt" "$work/old" "the other user's file is unchanged"
[ "$(stat -c %U "$dir/others.txt")" = root ] && echo "ok: still owned by root" ||
  { echo "FAIL: others.txt changed owner"; failures=$((failures + 1)); }

expect_exit 0 "the user's own file is written" \
  as_user write "$(tool_path "$dir/mine.txt")" "$(tool_path "$work/new")"
expect_same "$dir/mine.txt" "$work/new" "the user's file holds the new text"
expect_only "$dir" mine.txt others.txt readonly.txt unreadable.txt

finish
