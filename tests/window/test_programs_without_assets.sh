#!/usr/bin/env bash
# Started from a folder without the asset folder, each program first says so in one
# line and where to start it from, then carries on as before.
source "$(dirname "$0")/lib.sh"

empty=$(mktemp -d /tmp/kestrun-empty-XXXXXX)
trap 'rm -rf "$empty"' EXIT
cd "$empty"
first_line() {
    echo x | SDL_VIDEODRIVER=no-such-driver timeout 20 "$@" 2>/dev/null | head -n 1 || true
}
for run in "assets kestrun" "Assets kestrun_editor" "assets kestrun_levelcheck level.txt" \
    "assets kestrun_playtest level.txt"; do
    set -- $run
    line=$(first_line "$BUILD_DIR/$2" "${@:3}")
    echo "$line"
    [[ $line == "Asset folder \"$1\" not found in $empty: start $2 from the folder that holds it"* ]] ||
        fail "$2 did not name its missing asset folder first"
done
echo "PASS"
