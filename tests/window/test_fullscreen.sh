#!/usr/bin/env bash
# F11 and Alt+Return take the game and the editor to desktop fullscreen and back,
# as the X server sees the window, under a real window manager (a bare X server
# honours no fullscreen request). In the editor's fullscreen picture, centred on
# the screen, a click toggles the cell under the pointer, checked in the saved file.
source "$(dirname "$0")/lib.sh"

command -v evilwm >/dev/null || fail "no window manager: run tools/install-deps.sh"
SCREEN=1024x768
CELL=32
scratch=$(scratch_assets)
trap 'kill $wm_pid 2>/dev/null || true; rm -rf "$scratch" "$STATUS_DIR"' EXIT
# Xvfb has only its built-in fonts; evilwm needs one for its window titles.
evilwm -fn fixed >"$scratch/wm.log" 2>&1 &
wm_pid=$!
sleep 0.5
kill -0 "$wm_pid" 2>/dev/null || fail "the window manager did not start: $(cat "$scratch/wm.log")"
cd "$scratch"

# Sends key $2 (with modifier $3, if any) to window $1 and waits up to 5 s for its
# size to become $4.
toggle_to() {
    local id=$1 key=$2 modifier=$3 want=$4
    focus_window "$id"
    [ -n "$modifier" ] && xdotool keydown "$modifier"
    press "$key"
    [ -n "$modifier" ] && xdotool keyup "$modifier"
    for _ in $(seq 1 50); do
        [ "$(window_size "$id")" = "$want" ] && return 0
        sleep 0.1
    done
    fail "$key $modifier: window size $(window_size "$id"), not $want"
}

launch "$BUILD_DIR/kestrun"
game_pid=$LAUNCHED_PID
id=$(wait_window "Kestrun 2") || fail "no window titled Kestrun 2"
[ "$(window_size "$id")" = 640x480 ] || fail "game window size $(window_size "$id")"
toggle_to "$id" F11 "" "$SCREEN"
toggle_to "$id" F11 "" 640x480
toggle_to "$id" Return Alt_L "$SCREEN"
toggle_to "$id" Return Alt_L 640x480
press Escape
[ "$(wait_exit "$game_pid" 10)" = 0 ] || fail "the game did not end on Escape"

# The editor on an empty 60 x 15 level; fullscreen centres the 640 x 480 picture.
printf '%060d\n' 0 | tr 0 . | sed 'p;p;p;p;p;p;p;p;p;p;p;p;p;p' >assets/level.txt
cp assets/level.txt expected.txt
sed -i '5s/^.../..G/' expected.txt # row 4, column 2
launch "$BUILD_DIR/kestrun_editor"
editor_pid=$LAUNCHED_PID
id=$(wait_window "The Grellik Level Editor") || fail "no editor window"
toggle_to "$id" F11 "" "$SCREEN"
left=$(((1024 - 640) / 2))
top=$(((768 - 480) / 2))
for x in $((left + 2 * CELL + CELL / 2)) $((left + 640 + 50)); do # a cell, then a bar
    xdotool mousemove --window "$id" "$x" $((top + 4 * CELL + CELL / 2))
    sleep 0.1
    xdotool mousedown 1
    sleep 0.08
    xdotool mouseup 1
    sleep 0.15
done
toggle_to "$id" F11 "" 640x480
press Escape
[ "$(wait_exit "$editor_pid" 10)" = 0 ] || fail "the editor did not end on Escape"
cmp -s assets/level.txt expected.txt || {
    diff expected.txt assets/level.txt >&2 || true
    fail "the fullscreen click did not toggle the cell under the pointer"
}
echo "fullscreen window test passed"
