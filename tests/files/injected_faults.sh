#!/usr/bin/env bash
# System calls made to fail in the middle of a write (strace fault injection):
# each time the target keeps its old content and, unless the process itself was
# killed, no temporary file stays behind.
# Usage: injected_faults.sh TOOL
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/fault_lib.sh" "$1" native

command -v strace >/dev/null || { echo "strace is missing: skipped"; exit 77; }
# strace needs ptrace, which some containers forbid.
strace -f -o /dev/null true 2>/dev/null || { echo "strace cannot trace here: skipped"; exit 77; }

# LeakSanitizer cannot run under a tracer; the rest of the sanitizers can.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dir=$work/site
mkdir "$dir"
head -c 40000 /dev/urandom >"$work/old"
# Several megabytes, so the text goes out in several requests and the second
# one can fail after the first has landed.
head -c 3000000 /dev/urandom >"$work/new"

inject() {
  strace -f -o /dev/null -e inject="$1" "$tool" write "$dir/page.html" "$work/new"
}

# How many times a clean run makes a system call; the program loader's own calls
# come first, so the last one is the tool's last use of it.
count_calls() {
  local scratch=$work/scratch
  mkdir -p "$scratch"
  cp "$work/old" "$scratch/page.html"
  strace -f -o "$work/trace" -e trace="$1" "$tool" write "$scratch/page.html" "$work/new"
  rm -rf "$scratch"
  grep -c "$1(" "$work/trace"
}
last_close=$(count_calls close)   # the temporary file's close
last_read=$(count_calls read)     # the last part of the source

for fault in 'write:error=ENOSPC:when=2+' 'write:error=EIO:when=1' 'fsync:error=EIO' \
    "close:error=EIO:when=$last_close" 'rename:error=EXDEV'; do
  cp "$work/old" "$dir/page.html"
  expect_exit 3 "injected $fault fails the write" inject "$fault"
  expect_same "$dir/page.html" "$work/old" "old content kept after $fault"
  expect_only "$dir" page.html
done

# Killed in the middle of writing: the target is intact; the temporary file is
# left under a name nobody else uses, and the next write is not disturbed by it.
cp "$work/old" "$dir/page.html"
strace -f -o /dev/null -e inject=write:signal=SIGKILL:when=2 \
  "$tool" write "$dir/page.html" "$work/new" >/dev/null 2>&1
expect_same "$dir/page.html" "$work/old" "old content kept when killed mid-write"
leftover=$(ls -A "$dir" | grep -v '^page\.html$')
if [[ "$leftover" =~ ^\.page\.html\.quellor-[0-9]+-[0-9]+\.tmp$ ]]; then
  echo "ok: the killed write left only $leftover"
else
  echo "FAIL: unexpected leftovers after the kill: $leftover"
  failures=$((failures + 1))
fi
expect_exit 0 "a later write succeeds beside the leftover" "$tool" write "$dir/page.html" "$work/new"
expect_same "$dir/page.html" "$work/new" "the later write is complete"

# An unreadable source is never mistaken for an empty text.
cp "$work/old" "$dir/page.html"
expect_exit 4 "a read failing with EIO is reported" \
  strace -f -o /dev/null -e inject=read:error=EIO:when="$last_read" \
  "$tool" write "$dir/page.html" "$work/new"
expect_same "$dir/page.html" "$work/old" "nothing written after a failed read"

finish
