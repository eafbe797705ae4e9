#!/usr/bin/env bash
# Runs a command on an X server of its own: Xvfb picks a display number that no
# other server holds and reports it (-displayfd), so window tests running side by
# side never send keys to each other's windows. The server ends with the command.
# -noreset: by default the server resets when its last client leaves, and a
# program that connects during the reset cannot open the display (it then reports
# that it has none), so a test that stops one program and starts the next would
# fail now and then.
# With KESTRUN_TEST_LIMIT=N the command is stopped after N seconds and the last
# commands it traced (see lib.sh) are printed, so a test that hangs says where,
# before the test runner's own time limit ends it without a word.
set -euo pipefail

geometry=${KESTRUN_XVFB_SCREEN:-1024x768x24}
fifo_dir=$(mktemp -d /tmp/kestrun-xvfb-XXXXXX)
mkfifo "$fifo_dir/display"

Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp -noreset 3>"$fifo_dir/display" 2>"$fifo_dir/log" &
xvfb_pid=$!
cleanup() {
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    rm -rf "$fifo_dir"
}
trap cleanup EXIT

display=""
if ! read -r -t 20 display < "$fifo_dir/display" || [ -z "$display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$fifo_dir/log" >&2
    exit 1
fi
export DISPLAY=":$display"
unset XAUTHORITY
export KESTRUN_TRACE="$fifo_dir/trace"
limit=${KESTRUN_TEST_LIMIT:-0}
set +e
if [ "$limit" -gt 0 ]; then
    timeout -k 5 "$limit" "$@"
else
    "$@"
fi
status=$?
set -e
if [ "$limit" -gt 0 ] && [ "$status" = 124 ]; then
    echo "FAIL: still running after $limit s; the last commands it ran:" >&2
    tail -n 40 "$KESTRUN_TRACE" >&2 || true
fi
exit "$status"
