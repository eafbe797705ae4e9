#!/usr/bin/env bash
# Without a usable video driver both programs print the window failure, wait for
# one character on standard input, and then end with status 1 instead of running
# on without a window. That holds for a driver that cannot start and for SDL's
# fallback without a display (no DISPLAY, no SDL_VIDEODRIVER), where SDL would
# otherwise draw into memory unseen; asking for that driver explicitly still runs.
source "$(dirname "$0")/lib.sh"

scratch=$(scratch_assets)
trap 'rm -rf "$scratch"' EXIT
printf '%s\n' "...................." >"$scratch/assets/level.txt"
cp "$scratch/assets/level.txt" "$scratch/before.txt"

# Runs program $1 in the scratch folder with environment changes $2... and checks
# the failure path.
expect_window_failure() {
    local program=$1 out status
    shift
    set +e
    out=$(cd "$scratch" && echo x | env "$@" timeout 20 "$program")
    status=$?
    set -e
    echo "$out"
    echo "$out" | grep -q '^WINDOW initialisation failed: ..' || fail "$program $*: no window failure message"
    echo "$out" | grep -q '^Press any key to continue$' || fail "$program $*: no prompt"
    [ "$status" = 1 ] || fail "$program $*: exit status $status"
}

for program in "$BUILD_DIR/kestrun" "$BUILD_DIR/kestrun_editor"; do
    expect_window_failure "$program" SDL_VIDEODRIVER=no-such-driver
    expect_window_failure "$program" -u DISPLAY -u SDL_VIDEODRIVER -u WAYLAND_DISPLAY
done
cmp -s "$scratch/assets/level.txt" "$scratch/before.txt" || fail "the editor wrote the level"

# With standard output's reader gone before the messages are written, the status
# is still the failure's, not a death by SIGPIPE (141).
for program in "$BUILD_DIR/kestrun" "$BUILD_DIR/kestrun_editor"; do
    status=$(cd "$scratch" && { sleep 0.5; echo x; } | SDL_VIDEODRIVER=no-such-driver timeout 20 "$program" | true
        echo "${PIPESTATUS[1]}")
    [ "$status" = 1 ] || fail "$program with a closed standard output: exit status $status"
done

# Asked for by name, the offscreen driver runs the game until it is stopped.
launch bash -c 'cd "$1" && SDL_VIDEODRIVER=offscreen exec "$2" </dev/null >/dev/null' run \
    "$scratch" "$BUILD_DIR/kestrun"
sleep 2
program_pid=$(pgrep -P "$LAUNCHED_PID") || fail "the game did not run with SDL_VIDEODRIVER=offscreen"
kill -s TERM "$program_pid"
status=$(wait_exit "$LAUNCHED_PID" 10) || fail "SIGTERM did not end the game"
[ "$status" = 143 ] || fail "exit status $status with SDL_VIDEODRIVER=offscreen"
echo "PASS"
