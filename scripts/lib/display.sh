# A display for the window (Xvfb when none is set) and a persistent wineserver,
# so that each Wine process starts in a fraction of a second.
_quellor_xvfb_pid=
start_display_and_wineserver() {
  wine_env
  if [ -z "${DISPLAY:-}" ]; then
    local n
    for n in 91 92 93 94 95 96 97 98 99; do
      [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    _quellor_xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    say "no display was set: using Xvfb on $DISPLAY"
  fi
  wineserver_bin -p
  # The first process of a server starts Wine's services, which keep its output
  # pipes open: start it here with output going nowhere.
  "$(wine_loader)" cmd /c exit </dev/null >/dev/null 2>&1 || true
}
stop_display_and_wineserver() {
  wineserver_bin -k 2>/dev/null || true
  if [ -n "$_quellor_xvfb_pid" ]; then kill "$_quellor_xvfb_pid" 2>/dev/null || true; fi
}
