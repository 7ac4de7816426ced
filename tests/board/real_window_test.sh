#!/usr/bin/env bash
# The board window's tests of what the user reads, run on a real X display
# (Xvfb) with a window manager (openbox), as the program runs for its
# users: the platform's fonts, style and window sizes, not the offscreen
# stand-ins'.
#   real_window_test.sh TEST_BINARY GTEST_FILTER
set -uo pipefail
binary=$(realpath "$1")
filter=$2
source "$(dirname "$0")/../x_desktop.sh"

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
start_desktop

QT_QPA_PLATFORM=xcb "$binary" --gtest_filter="$filter"
