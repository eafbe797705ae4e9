#!/usr/bin/env bash
# Without a usable video driver the game prints the window failure, waits for one
# character on standard input, and then ends with a non-zero status instead of
# running on without a window.
source "$(dirname "$0")/lib.sh"

set +e
out=$(echo x | SDL_VIDEODRIVER=no-such-driver timeout 20 "$BUILD_DIR/kestrun")
status=$?
set -e
echo "$out"
echo "$out" | grep -q '^WINDOW initialisation failed: ' || fail "no window failure message"
echo "$out" | grep -q '^Press any key to continue$' || fail "no prompt"
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "exit status $status"
echo "PASS: status $status"
