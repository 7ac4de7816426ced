#!/usr/bin/env bash
# The board window's tests of what the user reads, run on a real X display
# (Xvfb) with a window manager (openbox), as the program runs for its
# users: the platform's fonts, style and window sizes, not the offscreen
# stand-ins'.
#   real_window_test.sh TEST_BINARY GTEST_FILTER
set -uo pipefail
binary=$(realpath "$1")
filter=$2
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  for log in openbox xvfb; do
    [ -s "$work/$log.log" ] && { echo "--- $log.log" >&2; cat "$work/$log.log" >&2; }
  done
  exit 1
}
wait_for() {
  local tries=$(($1 * 10)); shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 30 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
wait_for 30 xwininfo -root || fail "no display $DISPLAY"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 30 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"

QT_QPA_PLATFORM=xcb "$binary" --gtest_filter="$filter"
