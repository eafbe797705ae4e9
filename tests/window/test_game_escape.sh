#!/usr/bin/env bash
# The game opens its 640 x 480 window titled "Kestrun 2" and ends with status 0
# on Escape from the main menu.
source "$(dirname "$0")/lib.sh"

launch "$BUILD_DIR/kestrun"
pid=$LAUNCHED_PID
win=$(wait_window "Kestrun 2") || fail "no window titled Kestrun 2"
size=$(window_size "$win")
[ "$size" = "640x480" ] || fail "window is $size, not 640x480"
focus_window "$win"
press Escape
status=$(wait_exit "$pid" 10) || fail "the game did not end after Escape"
[ "$status" = "0" ] || fail "exit status $status"
echo "PASS: window $size, Escape ended the game with status 0"
