#!/usr/bin/env bash
# kestrun_playtest plays a level file from the keyboard: Right held until the
# door completes a scratch level, the run is recorded, and watching the recording
# ends the same way with exit status 0. A planned run sent by
# tools/replaykeys/record-by-keys.sh completes and is recorded too. A stop request
# and the window's close button end a run in play, which is recorded.
source "$(dirname "$0")/lib.sh"

work=$(mktemp -d /tmp/kestrun-playtest-XXXXXX)
trap 'rm -rf "$work" "$STATUS_DIR"' EXIT
{
    printf '....................\n%.0s' 1 2 3 4 5 6 7 8 9 10 11 12
    printf '.E.CCCCCCCC...U.....\n'
    printf 'GGGGGGGGGGGGGGGGGGGG\n'
    printf 'GGGGGGGGGGGGGGGGGGGG\n'
} > "$work/walk.txt"

launch "$BUILD_DIR/kestrun_playtest" "$work/walk.txt" --record "$work/walk.replay" > "$work/out.txt"
pid=$LAUNCHED_PID
win=$(wait_window "Kestrun 2 play-test: walk.txt") || fail "no play-test window"
focus_window "$win"
xdotool keydown Right
for _ in $(seq 1 100); do
    grep -q '^completed:' "$work/out.txt" && break
    sleep 0.1
done
xdotool keyup Right
line=$(grep '^completed:' "$work/out.txt") || fail "no completed: line: $(cat "$work/out.txt")"
press Escape
status=$(wait_exit "$pid" 10) || fail "the play-test did not end after Escape"
[ "$status" = "0" ] || fail "exit status $status"
grep -q 'Right$' "$work/walk.replay" || fail "no run recorded: $(cat "$work/walk.replay")"

watched=$("$BUILD_DIR/kestrun_playtest" "$work/walk.txt" --watch "$work/walk.replay") ||
    fail "watching the recording ended with status $?"
[ "$watched" = "$line" ] || fail "recorded '$line', watched '$watched'"

# kill (SIGTERM) and the close button end the play-test during a run, with the run
# so far recorded.
CLOSER="$BUILD_DIR/tests/editor/send_window_close"
for way in TERM:143 close:0; do
    rm -f "$work/left.replay"
    launch "$BUILD_DIR/kestrun_playtest" "$work/walk.txt" --record "$work/left.replay" > "$work/out.txt"
    pid=$LAUNCHED_PID
    win=$(wait_window "Kestrun 2 play-test: walk.txt") || fail "no play-test window"
    focus_window "$win"
    press Right
    if [ "${way%:*}" = close ]; then
        [ -x "$CLOSER" ] || continue
        timeout -k 2 10 "$CLOSER" "$win"
    else
        kill -s "${way%:*}" "$(pgrep -P "$pid")"
    fi
    status=$(wait_exit "$pid" 10) || fail "the play-test did not end after $way"
    [ "$status" = "${way#*:}" ] || fail "exit status $status after $way"
    grep -q '+Right$' "$work/left.replay" || fail "$way lost the run: $(cat "$work/left.replay" 2>&1)"
done

# A planned run sent as real keys by the recording tool is played and recorded.
printf '20\n200 Right\n' > "$work/plan.replay"
KESTRUN_BUILD_DIR="$BUILD_DIR" KESTRUN_RECORD_DISPLAY=1 "$REPO_DIR/tools/replaykeys/record-by-keys.sh" \
    "$work/walk.txt" "$work/plan.replay" "$work/planned.replay" > "$work/planned.txt" ||
    fail "the planned run did not complete: $(cat "$work/planned.txt")"
grep -q '+Right$' "$work/planned.replay" || fail "planned run not recorded: $(cat "$work/planned.replay")"
echo "PASS: $line, recorded and watched again; a planned run by keys $(cat "$work/planned.txt")"
