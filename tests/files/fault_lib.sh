# Shared by the fault scripts: how to run the tool (natively or under Wine), how
# to name a file for it, and the checks.
# Usage: . fault_lib.sh TOOL native | TOOL wine EMULATOR...
tool=$1
mode=$2
shift 2
emulator=("$@")
failures=0

# The path the tool should be given for a Linux path: Wine sees / as drive Z:.
tool_path() {
  if [ "$mode" = wine ]; then
    local p=${1//\//\\}
    printf 'Z:%s' "$p"
  else
    printf '%s' "$1"
  fi
}

run_tool() {
  if [ "$mode" = wine ]; then "${emulator[@]}" "$tool" "$@"; else "$tool" "$@"; fi
}

# expect_exit CODE DESCRIPTION COMMAND...
expect_exit() {
  local want=$1 what=$2
  shift 2
  "$@" </dev/null >/dev/null 2>&1
  local got=$?
  if [ "$got" != "$want" ]; then
    echo "FAIL: $what: exit $got, expected $want"
    failures=$((failures + 1))
  else
    echo "ok: $what"
  fi
}

# expect_same FILE COPY DESCRIPTION
expect_same() {
  if cmp -s "$1" "$2"; then
    echo "ok: $3"
  else
    echo "FAIL: $3: $1 differs from what it should hold"
    failures=$((failures + 1))
  fi
}

# expect_only DIR NAME...: the folder holds exactly these names (no stray temporary).
expect_only() {
  local dir=$1
  shift
  local want got
  want=$(printf '%s\n' "$@" | sort)
  got=$(ls -A "$dir" | sort)
  if [ "$want" = "$got" ]; then
    echo "ok: $dir holds only: $*"
  else
    echo "FAIL: $dir holds: $(echo $got)"
    failures=$((failures + 1))
  fi
}

finish() {
  if [ "$failures" != 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all checks passed"
  exit 0
}
