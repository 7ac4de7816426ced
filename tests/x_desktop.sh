# A real X display (Xvfb) with a window manager (openbox) for a test script
# to run windows on, as the program runs for its users. Sourced; sets
# `work` (a fresh folder, removed at exit, where each tool's log lies) and
# `pids` (what the exit stops), and gives `fail`, `wait_for` and
# `start_desktop`.

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Says what failed, with every log the run wrote, and ends the test.
fail() {
  echo "FAIL: $*" >&2
  for log in "$work"/*.log; do
    [ -s "$log" ] && { echo "--- $(basename "$log")" >&2; cat "$log" >&2; }
  done
  exit 1
}

# Polls a command until it succeeds, up to a number of seconds.
wait_for() {
  local tries=$(($1 * 10)); shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# Starts Xvfb on a free display and openbox on it; exports DISPLAY.
start_desktop() {
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  wait_for 30 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
  wait_for 30 xwininfo -root || fail "no display $DISPLAY"
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wait_for 30 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
}
