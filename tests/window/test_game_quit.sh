#!/usr/bin/env bash
# Down, Down, Return on "Quit Game" ends the program with status 0, held across
# frames and again as quick taps (each key down and up again at once, mostly
# within one frame).
source "$(dirname "$0")/lib.sh"

for style in held quick; do
    launch "$BUILD_DIR/kestrun"
    pid=$LAUNCHED_PID
    win=$(wait_window "Kestrun 2") || fail "no window titled Kestrun 2"
    focus_window "$win"
    sleep 0.5 # lets the game finish loading, so that the keys arrive frame by frame
    if [ "$style" = held ]; then
        press Down Down Return
    else
        for key in Down Down Return; do
            xdotool key --delay 0 "$key"
            sleep 0.15
        done
    fi
    status=$(wait_exit "$pid" 10) || fail "Quit Game did not end the program ($style keys)"
    [ "$status" = "0" ] || fail "exit status $status ($style keys)"
done
echo "PASS"
