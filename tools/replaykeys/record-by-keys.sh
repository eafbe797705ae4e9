#!/usr/bin/env bash
# Plays a planned run in the play-test by real key presses and records it:
#   tools/replaykeys/record-by-keys.sh LEVEL_FILE PLAN.replay OUT.replay
# The play-test runs on an X server of its own (no window shows); the plan's keys
# are sent to its window one step per 16 ms, and OUT keeps what the level saw.
# Prints the play-test's level-end lines; exits with 0 when the run completed
# the level, 1 when it did not. Run it from the folder that holds assets/, after
# make build.
set -euo pipefail

if [ "$#" -ne 3 ]; then
    echo "usage: $0 LEVEL_FILE PLAN.replay OUT.replay" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

if [ -z "${KESTRUN_RECORD_DISPLAY:-}" ]; then
    KESTRUN_RECORD_DISPLAY=1 exec "$root/tests/window/with-xvfb.sh" "$0" "$@"
fi

level=$1 plan=$2 out=$3
ended=$(mktemp)
trap 'rm -f "$ended"' EXIT
# The play-test takes about this long from its launch to the level's first step.
startup=${KESTRUN_STARTUP_SECONDS:-0.28}
launched=$(date +%s.%N)
"${KESTRUN_BUILD_DIR:-$root/build}/kestrun_playtest" "$level" --record "$out" > "$ended" 2>/dev/null &
pid=$!
window=$(timeout 20 xdotool search --sync --name "Kestrun 2 play-test: $(basename "$level")" | head -1)
timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
/usr/bin/python3 "$here/replay-keys.py" "$plan" --start-time "$(awk "BEGIN { printf \"%.3f\", $launched + $startup }")"
for _ in $(seq 1 100); do
    grep -q '^\(completed\|died\):' "$ended" && break
    sleep 0.1
done
xdotool keydown Escape
sleep 0.08
xdotool keyup Escape
wait "$pid" || true
cat "$ended"
grep -q '^completed:' "$ended"
