#!/usr/bin/env bash
# tools/install-deps.sh [PURPOSE]: installs the Debian packages that PURPOSE needs.
# tools/install-deps.sh --list PURPOSE: prints them, one a line, installing nothing.
# Purposes: run (build and play the game or the editor), test (make build, make test,
# make sanitize), fuzz, bench, package, develop (all of them; the default).
# Idempotent and quiet: does nothing when every package is already present.
set -euo pipefail

run=(build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev)
# GoogleTest; SDL2_image for the asset generator the asset tests run; Xvfb, xdotool,
# the X utilities, ImageMagick and a small window manager (evilwm, for fullscreen)
# for the window tests; python3 for tools/replaykeys, which a window test runs;
# file for the package test (CPack), desktop-file-utils and appstream to validate
# the desktop entries.
test=("${run[@]}" libgtest-dev libsdl2-image-dev xvfb xdotool x11-utils imagemagick evilwm python3 file
      desktop-file-utils appstream)
# The fuzz build configures the tests too, whose folder holds the fuzz entries.
fuzz=("${run[@]}" clang libclang-rt-14-dev libgtest-dev)
bench=("${run[@]}" libbenchmark-dev valgrind)
package=("${run[@]}" file)
develop=("${test[@]}" clang libclang-rt-14-dev libbenchmark-dev valgrind clang-format)

usage() {
    echo "usage: $0 [--list] [run|test|fuzz|bench|package|develop]" >&2
    exit 2
}

list_only=0
if [ "${1:-}" = "--list" ]; then
    list_only=1
    shift
fi
purpose=${1:-develop}
case "$purpose" in
run | test | fuzz | bench | package | develop) ;;
*) usage ;;
esac
declare -n chosen="$purpose"
mapfile -t packages < <(printf '%s\n' "${chosen[@]}" | awk '!seen[$0]++')

if [ "$list_only" -eq 1 ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

mapfile -t installed < <(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
    awk '/ install ok installed$/ {print $1}')
missing=()
for p in "${packages[@]}"; do
    if ! printf '%s\n' "${installed[@]}" | grep -qx -- "$p"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
