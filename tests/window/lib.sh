# Helpers for window tests: source this file from a test_*.sh script.
# The scripts run under with-xvfb.sh, on an X server of their own, so DISPLAY is set.
set -euo pipefail

BUILD_DIR=$(cd "${1:?build folder}" && pwd)
REPO_DIR=$(pwd)
export SDL_AUDIODRIVER=dummy

# Under with-xvfb.sh every command is traced, with the second it ran at, to a
# file that is printed if the test has to be stopped.
if [ -n "${KESTRUN_TRACE:-}" ]; then
    exec {trace_fd}>>"$KESTRUN_TRACE"
    BASH_XTRACEFD=$trace_fd
    PS4='+ ${SECONDS}s ${BASH_SOURCE[0]##*/}:${LINENO}: '
    set -x
fi

# A request to the X server that gets no answer ends after 10 s instead of
# holding the test until its time limit.
XDOTOOL_PROGRAM=$(type -P xdotool)
xdotool() {
    timeout -k 2 10 "$XDOTOOL_PROGRAM" "$@"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Prints the id of the first window whose title is exactly $1, waiting up to 15 s.
wait_window() {
    local title=$1 id=""
    for _ in $(seq 1 150); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits up to 30 s until window $1 shows a drawn picture (more than one colour):
# the program's loop is then running, so input sent next is not taken in one
# poll together with everything sent while it was still loading.
wait_drawn() {
    local colours deadline=$((SECONDS + 30))
    while [ "$SECONDS" -lt "$deadline" ]; do
        colours=$(timeout -k 2 10 import -window "$1" png:- 2>/dev/null |
            /usr/bin/convert - -format '%k' info: 2>/dev/null || true)
        [ "${colours:-0}" -gt 1 ] 2>/dev/null && return 0
        sleep 0.5
    done
    return 1
}

# Gives the window the keyboard focus; keys are then sent without --window.
focus_window() {
    # --sync can wait for ever when focus is slow to move: bound it.
    timeout -k 2 5 "$XDOTOOL_PROGRAM" windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    sleep 0.2
}

# Holds a key across several frames (down, ~80 ms, up), then lets a few frames pass.
press() {
    local key
    for key in "$@"; do
        xdotool keydown "$key"
        sleep 0.08
        xdotool keyup "$key"
        sleep 0.15
    done
}

# Prints "WIDTHxHEIGHT" of a window.
window_size() {
    xdotool getwindowgeometry "$1" | awk '/Geometry:/ {print $2}'
}

STATUS_DIR=$(mktemp -d /tmp/kestrun-status-XXXXXX)

# Starts a program in the background and records its exit status where
# wait_exit finds it, a failing one included; the pid of the process that waits
# for the program is left in LAUNCHED_PID.
launch() {
    ( set +e; "$@"; echo $? > "$STATUS_DIR/$BASHPID" ) &
    LAUNCHED_PID=$!
}

# Waits up to $2 seconds for process $1 to end and prints its exit status.
# Works inside $(...) for programs started with launch.
wait_exit() {
    local pid=$1 limit=${2:-10} code
    for _ in $(seq 1 $((limit * 10))); do
        if [ -s "$STATUS_DIR/$pid" ]; then
            cat "$STATUS_DIR/$pid"
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null && [ ! -e "$STATUS_DIR/$pid" ]; then
            set +e
            wait "$pid" 2>/dev/null
            code=$?
            set -e
            echo "$code"
            return 0
        fi
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    echo "timeout"
    return 1
}

# Saves a screenshot of the whole screen (or of window $2) as PNG file $1.
screenshot() {
    local out=$1 win=${2:-root}
    if command -v import >/dev/null 2>&1 && import -version 2>/dev/null | grep -q ImageMagick; then
        timeout -k 2 20 import -window "$win" "$out" || fail "no screenshot of window $win"
    else
        xwd -silent -id "$( [ "$win" = root ] && xwininfo -root | awk '/Window id/ {print $4}' || echo "$win")" > "$out.xwd"
    fi
}

# Makes a scratch folder holding a copy of the repository's assets (and the
# Assets link) and prints its path; the caller removes it.
scratch_assets() {
    local dir
    dir=$(mktemp -d /tmp/kestrun-window-XXXXXX)
    cp -r "$REPO_DIR/assets" "$dir/assets"
    ln -s assets "$dir/Assets"
    echo "$dir"
}

# Saves a screenshot of window $1 as $BUILD_DIR/screenshots/$2.png and prints the
# path; with KESTRUN_UPDATE_DOCS=1 it is also copied to docs/$2.png.
shot() {
    local win=$1 name=$2 out
    mkdir -p "$BUILD_DIR/screenshots"
    out="$BUILD_DIR/screenshots/$name.png"
    timeout -k 2 20 import -window "$win" "$out" || fail "no screenshot of window $win"
    if [ "${KESTRUN_UPDATE_DOCS:-0}" = "1" ]; then
        cp "$out" "$REPO_DIR/docs/$name.png"
    fi
    echo "$out"
}

# Number of pixels that differ between two pictures.
pixels_differing() {
    { /usr/bin/compare -metric AE "$1" "$2" null: 2>&1 || true; } | awk '{print int($1)}'
}

# Share of dark pixels (0..1) in a WxH+X+Y crop of a picture.
dark_share() {
    /usr/bin/convert "$1" -crop "$2" +repage -colorspace Gray -threshold 25% -negate \
        -format '%[fx:mean]' info:
}
