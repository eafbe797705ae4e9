#!/usr/bin/env bash
# Down, Down, Return on "Quit Game" ends the program with status 0.
source "$(dirname "$0")/lib.sh"

launch "$BUILD_DIR/kestrun"
pid=$LAUNCHED_PID
win=$(wait_window "Kestrun 2") || fail "no window titled Kestrun 2"
focus_window "$win"
press Down Down Return
status=$(wait_exit "$pid" 10) || fail "Quit Game did not end the program"
[ "$status" = "0" ] || fail "exit status $status"
echo "PASS"
