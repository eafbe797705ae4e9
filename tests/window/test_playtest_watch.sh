#!/usr/bin/env bash
# kestrun_playtest --watch plays a shipped level's completion replay in a window
# to its completed: line and ends with exit status 0 by itself.
source "$(dirname "$0")/lib.sh"
trap 'rm -rf "$STATUS_DIR"' EXIT

out=$(mktemp /tmp/kestrun-watch-XXXXXX)
launch "$BUILD_DIR/kestrun_playtest" assets/levels/level1.txt --watch tests/replays/level1.replay \
    > "$out"
pid=$LAUNCHED_PID
wait_window "Kestrun 2 play-test: level1.txt" > /dev/null || fail "no play-test window"
status=$(wait_exit "$pid" 90) || fail "the watched replay did not end"
line=$(cat "$out")
rm -f "$out"
[ "$status" = "0" ] || fail "exit status $status: $line"
[[ "$line" == completed:*", score "* ]] || fail "printed '$line'"
echo "PASS: $line, exit status 0"
