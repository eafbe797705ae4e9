#!/usr/bin/env bash
# The level editor in a real window, on a scratch copy of the asset folder:
# the shipped level opens and comes back unchanged; clicks, letters, arrows,
# Left Ctrl + S and Escape edit and save a known level; the close button does
# nothing; quick clicks and keys count; a save that fails on the way out leaves a
# recovery file; the last column of a narrow level can be scrolled to and edited.
# Leaves a screenshot in the build folder (and in docs/editor.png when
# KESTRUN_UPDATE_DOCS=1).
source "$(dirname "$0")/lib.sh"

EDITOR="$BUILD_DIR/kestrun_editor"
CLOSER="$BUILD_DIR/tests/editor/send_window_close"
TITLE="The Grellik Level Editor"
COLUMNS=60
ROWS=15
CELL=32

[ -x "$EDITOR" ] || fail "no editor program at $EDITOR"
[ -f "$REPO_DIR/assets/level.txt" ] || fail "the shipped assets/level.txt is missing"

scratch=$(scratch_assets)
editor_pid=""
# Ends an editor still running (the child of the launch wrapper), then removes the copy.
cleanup() {
    if [ -n "$editor_pid" ] && kill -0 "$editor_pid" 2>/dev/null; then
        pkill -9 -P "$editor_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
level="$scratch/assets/level.txt"

# Starts the editor in the scratch folder; sets editor_pid (the launch wrapper,
# alive as long as the editor) and id (its window). Shell commands given as $1
# run first, in the editor's shell (its limits and signal dispositions).
start_editor() {
    launch bash -c 'cd "$1" && eval "$3" && exec "$2" </dev/null >>"$1/editor.log" 2>&1' editor \
        "$scratch" "$EDITOR" "${1:-true}"
    editor_pid=$LAUNCHED_PID
    id=$(wait_window "$TITLE") || fail "no window titled '$TITLE'"
    wait_drawn "$id" || fail "the editor never drew its window"
}

# Clicks the middle of window cell (column, row), holding the button across frames.
click_cell() {
    local id=$1 column=$2 row=$3
    xdotool mousemove --window "$id" $((column * CELL + CELL / 2)) $((row * CELL + CELL / 2))
    sleep 0.1
    xdotool mousedown 1
    sleep 0.08
    xdotool mouseup 1
    sleep 0.15
}

# Waits up to 5 s for file $1 to equal file $2.
wait_same_file() {
    for _ in $(seq 1 50); do
        cmp -s "$1" "$2" && return 0
        sleep 0.1
    done
    diff "$2" "$1" >&2 || true
    return 1
}

# The rows of the known level, edited with set_cell and written with write_rows.
rows=()
for ((r = 0; r < ROWS; r++)); do
    rows[r]=$(printf '%*s' "$COLUMNS" '' | tr ' ' '.')
done
rows[ROWS - 1]=$(printf '%*s' "$COLUMNS" '' | tr ' ' 'G')
set_cell() {
    local column=$1 row=$2 code=$3
    rows[row]="${rows[row]:0:column}${code}${rows[row]:column+1}"
}
write_rows() {
    printf '%s\n' "${rows[@]}" >"$1"
}

# 1. The shipped level: opens, shows its cells, comes back unchanged on Escape.
awk '{ sub(/\r$/, ""); print }' "$level" >"$scratch/shipped-expected.txt"
start_editor
[ "$(window_size "$id")" = "640x480" ] || fail "window size $(window_size "$id")"
focus_window "$id"
xdotool mousemove --window "$id" $((7 * CELL + 5)) $((9 * CELL + 5))
sleep 0.5
screenshot "$BUILD_DIR/editor.png" "$id"
if [ -f "$BUILD_DIR/editor.png" ]; then
    if [ "${KESTRUN_UPDATE_DOCS:-0}" = 1 ]; then
        cp "$BUILD_DIR/editor.png" "$REPO_DIR/docs/editor.png"
    fi
else
    echo "note: no PNG screenshot (ImageMagick's import is missing)" >&2
fi
press Escape
status=$(wait_exit "$editor_pid" 10) || fail "the editor did not end on Escape"
[ "$status" = 0 ] || fail "exit status $status after Escape"
cmp -s "$level" "$scratch/shipped-expected.txt" || fail "the unedited shipped level changed"

# 2. A known level: edit, save with Left Ctrl + S, edit again, save on Escape.
write_rows "$level"
start_editor
focus_window "$id"
click_cell "$id" 2 3 # places the starting code, G
press p
click_cell "$id" 4 3 # places P
click_cell "$id" 2 3 # clears the G again
set_cell 4 3 P
for _ in $(seq 1 10); do
    press Right # the tenth press moves the view three columns
done
click_cell "$id" 0 5  # level column 3
click_cell "$id" 1 14 # level column 4 of the ground row: cleared
set_cell 3 5 P
set_cell 4 14 .
write_rows "$scratch/expected.txt"
cmp -s "$level" "$scratch/expected.txt" && fail "the file changed before saving"
xdotool keydown Control_L
press s
xdotool keyup Control_L
wait_same_file "$level" "$scratch/expected.txt" || fail "Left Ctrl + S did not save the edits"

if [ -x "$CLOSER" ]; then
    timeout -k 2 10 "$CLOSER" "$id"
    sleep 0.5
    kill -0 "$editor_pid" 2>/dev/null || fail "the close button ended the editor"
    focus_window "$id"
fi

press u
click_cell "$id" 2 6 # level column 5: the door
set_cell 5 6 U
write_rows "$scratch/expected.txt"
press Escape
status=$(wait_exit "$editor_pid" 10) || fail "the editor did not end on Escape"
[ "$status" = 0 ] || fail "exit status $status after Escape"
cmp -s "$level" "$scratch/expected.txt" || {
    diff "$scratch/expected.txt" "$level" >&2 || true
    fail "Escape did not save the last edit"
}
[ -z "$(ls "$scratch/assets" | grep 'level.txt.tmp' || true)" ] || fail "a temporary file was left"

# 3. Quick input, each press released at once (mostly within one frame): a click,
# Left Ctrl + S and Escape still act.
start_editor
focus_window "$id"
xdotool mousemove --window "$id" $((7 * CELL + 5)) $((8 * CELL + 5)) click 1
sleep 0.3
xdotool key --delay 0 ctrl+s
set_cell 7 8 G
write_rows "$scratch/expected.txt"
wait_same_file "$level" "$scratch/expected.txt" || fail "a quick click and Left Ctrl + S did not save"
xdotool key --delay 0 Escape
status=$(wait_exit "$editor_pid" 10) || fail "the editor did not end on a quick Escape"
[ "$status" = 0 ] || fail "exit status $status after a quick Escape"

# 4. A save that fails on the way out (a size limit of one kilobyte, smaller
# than the level; the editor ignores SIGXFSZ, so writes fail instead of killing it):
# the file stays as it was and the edited grid goes to a recovery file.
for ((r = ROWS; r < ROWS + 5; r++)); do # rows below the window, past the limit
    rows[r]=${rows[0]}
done
write_rows "$level"
cp "$level" "$scratch/before.txt"
mkdir "$scratch/recovery"
: >"$scratch/editor.log"
start_editor "ulimit -S -f 1 && export TMPDIR='$scratch/recovery'"
focus_window "$id"
click_cell "$id" 7 2 # places G
set_cell 7 2 G
write_rows "$scratch/expected.txt"
press Escape
status=$(wait_exit "$editor_pid" 10) || fail "the editor did not end on Escape"
[ "$status" = 0 ] || fail "exit status $status after Escape"
cmp -s "$level" "$scratch/before.txt" || fail "a failed save changed the level file"
recovered=$(ls "$scratch"/recovery/level.txt.save-* 2>/dev/null | head -n 1)
[ -n "$recovered" ] || fail "no recovery file, the editor printed: $(cat "$scratch/editor.log")"
cmp -s "$recovered" "$scratch/expected.txt" || fail "the recovery file is not the edited grid"
grep -qxF "Could not save Assets/level.txt: File too large" "$scratch/editor.log" ||
    fail "no line saying why the save failed"
grep -qxF "The edited level was written to $recovered instead." "$scratch/editor.log" ||
    fail "the recovery file's path was not printed"

# 5. The last column of a level whose width the 39-pixel steps do not divide:
# 21 columns end 32 pixels past the window, and ten Right presses reach them.
COLUMNS=21
rows=()
for ((r = 0; r < ROWS; r++)); do
    rows[r]=$(printf '%*s' "$COLUMNS" '' | tr ' ' '.')
done
write_rows "$level"
: >"$scratch/editor.log"
start_editor
focus_window "$id"
for _ in $(seq 1 10); do
    press Right
done
click_cell "$id" 19 2 # the window's last column: level column 20
set_cell 20 2 G
write_rows "$scratch/expected.txt"
press Escape
status=$(wait_exit "$editor_pid" 10) || fail "the editor did not end on Escape"
[ "$status" = 0 ] || fail "exit status $status after Escape"
cmp -s "$level" "$scratch/expected.txt" || {
    diff "$scratch/expected.txt" "$level" >&2 || true
    fail "the last column could not be edited"
}
if [ -s "$scratch/editor.log" ]; then
    echo "editor output:" >&2
    cat "$scratch/editor.log" >&2
fi
echo "editor window test passed"
