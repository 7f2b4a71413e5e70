# Shared by the scripts: paths, Wine environment, and which Windows build Wine can run.
QUELLOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QUELLOR_BUILD=${QUELLOR_BUILD:-$QUELLOR_ROOT/build}
QUELLOR_WINEPREFIX=${QUELLOR_WINEPREFIX:-$QUELLOR_BUILD/wineprefix}
export QUELLOR_ROOT QUELLOR_BUILD QUELLOR_WINEPREFIX

say() { printf '[quellor] %s\n' "$*" >&2; }

wine_env() {
  export WINEPREFIX=$QUELLOR_WINEPREFIX WINEARCH=win64 WINEDEBUG=-all
  export LC_ALL=ru_RU.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
}

# The 64-bit loader starts 32-bit programs too where the kernel runs 32-bit code.
wine_loader() {
  if [ -x /usr/lib/wine/wine64 ]; then echo /usr/lib/wine/wine64; else command -v wine; fi
}
wineserver_bin() {
  if [ -x /usr/lib/wine/wineserver64 ]; then /usr/lib/wine/wineserver64 "$@"; else wineserver "$@"; fi
}

# Some kernels (ours among them) have 32-bit emulation switched off; Wine then
# cannot run the 32-bit build, and the Windows tests run on a 64-bit build of the
# same sources instead. The shipped program is always the 32-bit one.
host_runs_32bit() {
  [ -x /usr/lib/wine/wineserver32 ] && /usr/lib/wine/wineserver32 --version >/dev/null 2>&1
}
windows_test_arch() { if host_runs_32bit; then echo i686; else echo x86_64; fi; }
