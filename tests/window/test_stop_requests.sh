#!/usr/bin/env bash
# Ctrl+C (SIGINT), kill (SIGTERM) and a closed terminal (SIGHUP) sent to the real
# programs: the game ends with status 128 + the signal number, the editor saves the
# level as Escape does and ends with the same status, and the window's close button
# still does nothing. Under a file-size limit the editor's save on the way out
# fails with one line and leaves the previous file, instead of the editor being
# killed by SIGXFSZ.
source "$(dirname "$0")/lib.sh"

# Job control: programs started in the background keep SIGINT, as from a terminal.
set -m

CLOSER="$BUILD_DIR/tests/editor/send_window_close"
EDITOR_TITLE="The Grellik Level Editor"
scratch=$(scratch_assets)
program_pid=""
cleanup() {
    if [ -n "$program_pid" ]; then
        kill -9 "$program_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
level="$scratch/assets/level.txt"

# Starts "$@" in the scratch folder with its output in $scratch/out.log (under the
# file-size limit $LIMIT_KB when set); sets wrapper_pid (for wait_exit),
# program_pid and win (the window titled $TITLE).
start() {
    local attempt
    for attempt in 1 2; do
        launch bash -c 'cd "$1" && shift && { [ -z "${LIMIT_KB:-}" ] || ulimit -f "$LIMIT_KB"; } &&
            exec "$@" </dev/null >"$PWD/out.log" 2>&1' start "$scratch" "$@"
        wrapper_pid=$LAUNCHED_PID
        if win=$(wait_window "$TITLE") && kill -0 "$wrapper_pid" 2>/dev/null; then
            break
        fi
        # Now and then a program's connection to this test's X server fails to
        # open, and the program rightly reports that it has no display: once, start
        # it again.
        [ "$attempt" = 1 ] && grep -q 'no display to show it on' "$scratch/out.log" ||
            fail "no window titled '$TITLE': $(grep -v ALSA "$scratch/out.log")"
        echo "note: $TITLE had no display on its first start; starting it once more" >&2
        wait_exit "$wrapper_pid" 10 >/dev/null || true
    done
    if [ "$TITLE" = "$EDITOR_TITLE" ]; then
        # Clicks must reach a running loop. (The game's picture cannot be read
        # back reliably: it presents far more often than it draws.)
        wait_drawn "$win" || fail "the editor never drew its window"
    fi
    program_pid=$(pgrep -P "$wrapper_pid" || true)
    [ -n "$program_pid" ] || fail "no program process"
}

# Sends signal $1 to the program and checks that it ends with status $2.
stop_with() {
    kill -s "$1" "$program_pid"
    local status
    status=$(wait_exit "$wrapper_pid" 10) || fail "SIG$1 did not end $TITLE"
    program_pid=""
    [ "$status" = "$2" ] || fail "exit status $status after SIG$1, expected $2"
}

# Clicks window cell (column, row) quickly, so that the editor has an edit to save.
click_cell() {
    xdotool mousemove --window "$1" $(($2 * 32 + 16)) $(($3 * 32 + 16)) click 1
    sleep 0.3
}

TITLE="Kestrun 2"
for request in INT:130 TERM:143 HUP:129; do
    start "$BUILD_DIR/kestrun"
    if [ "$request" = INT:130 ] && [ -x "$CLOSER" ]; then
        timeout -k 2 10 "$CLOSER" "$win"
        sleep 0.5
        kill -0 "$program_pid" 2>/dev/null || fail "the close button ended the game"
    fi
    stop_with "${request%:*}" "${request#*:}"
done

TITLE=$EDITOR_TITLE
row=$(printf '%*s' 20 '' | tr ' ' '.')
for request in INT:130 TERM:143 HUP:129; do
    printf '%s\n' "$row" "$row" >"$level"
    start "$BUILD_DIR/kestrun_editor"
    focus_window "$win"
    click_cell "$win" 1 1
    stop_with "${request%:*}" "${request#*:}"
    [ "$(sed -n 2p "$level")" = ".G${row:2}" ] || fail "SIG${request%:*} lost the edit: $(cat "$level")"
done

# A 2020-byte level under a 1 KiB file-size limit: the save cannot be written.
wide_row=$(printf '%*s' 100 '' | tr ' ' '.')
for _ in $(seq 1 20); do echo "$wide_row"; done >"$level"
cp "$level" "$scratch/before.txt"
LIMIT_KB=1 start "$BUILD_DIR/kestrun_editor"
focus_window "$win"
click_cell "$win" 0 0
stop_with TERM 143
cmp -s "$level" "$scratch/before.txt" || fail "the level file changed under the size limit"
[ "$(grep -c '^Could not save Assets/level.txt' "$scratch/out.log")" = 1 ] ||
    fail "the failed save was not reported once: $(cat "$scratch/out.log")"
[ -z "$(ls "$scratch/assets" | grep 'level.txt.tmp' || true)" ] || fail "a temporary file was left"
echo "PASS"
