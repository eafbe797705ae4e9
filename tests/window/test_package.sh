#!/usr/bin/env bash
# The Debian package, extracted into a scratch root: its game launcher, started
# from an unrelated folder with a fresh HOME, gives the user a copy of the data in
# ~/.local/share/kestrun2 and opens the game there; a second run keeps the user's
# changed best times (even older than the package's) and restores a missing file.
source "$(dirname "$0")/lib.sh"

scratch=$(mktemp -d /tmp/kestrun-package-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
(cd "$BUILD_DIR" && cpack -G DEB -B "$scratch/out" > "$scratch/cpack.log" 2>&1) ||
    { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(ls "$scratch"/out/*.deb)
[[ $(dpkg-deb -f "$deb" Depends) == *libsdl2-mixer* ]] || fail "no SDL runtime dependencies"
dpkg-deb -x "$deb" "$scratch/root"
export HOME="$scratch/home" && unset XDG_DATA_HOME && data="$HOME/.local/share/kestrun2"
mkdir -p "$HOME" "$scratch/elsewhere" && cd "$scratch/elsewhere"

play_and_quit() {
    launch "$scratch/root/usr/games/kestrun2"
    local pid=$LAUNCHED_PID win
    win=$(wait_window "Kestrun 2") || fail "no window titled Kestrun 2"
    focus_window "$win" && press Escape
    [ "$(wait_exit "$pid" 10)" = "0" ] || fail "Escape did not end the game with status 0"
}

play_and_quit
[ -s "$data/assets/highscores.txt" ] || fail "no best-times file in $data"
[ -f "$data/Assets/level.txt" ] || fail "the editor's level is not reachable in $data"
printf '42\n99999\n99999' > "$data/assets/highscores.txt"
touch -d 2000-01-01 "$data/assets/highscores.txt"
rm "$data/assets/sprites/coin.bmp"
play_and_quit
[ "$(cat "$data/assets/highscores.txt")" = "$(printf '42\n99999\n99999')" ] ||
    fail "the best times were replaced"
[ -f "$data/assets/sprites/coin.bmp" ] || fail "a missing file was not copied again"
echo "PASS"
