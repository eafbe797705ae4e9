#!/usr/bin/env bash
# Main menu, level select with best times read off the screen, a level with its
# HUD, Escape back to the level select with the arrow kept, Escape to end.
source "$(dirname "$0")/lib.sh"

scratch=$(scratch_assets)
trap 'kill $pid 2>/dev/null || true; rm -rf "$scratch" "$STATUS_DIR"' EXIT
printf '12\n34\n56' > "$scratch/assets/highscores.txt"
cd "$scratch"
"$BUILD_DIR/kestrun_menu_reference" expected.bmp \
    "Level 1 - Best Time: 12S" "Level 2 - Best Time: 34S" "Level 3 - Best Time: 56S"
"$BUILD_DIR/kestrun_menu_reference" wrong.bmp \
    "Level 1 - Best Time: 13S" "Level 2 - Best Time: 34S" "Level 3 - Best Time: 56S"

launch "$BUILD_DIR/kestrun"
pid=$LAUNCHED_PID
win=$(wait_window "Kestrun 2") || fail "no window titled Kestrun 2"
focus_window "$win"
sleep 0.5
shot "$win" main-menu > /dev/null

press Return
sleep 0.5
select=$(shot "$win" level-select)
diff_ok=$(pixels_differing "$select" expected.bmp)
diff_wrong=$(pixels_differing "$select" wrong.bmp)
echo "level select differs from the expected picture in $diff_ok pixels, from a wrong one in $diff_wrong"
[ "$diff_ok" -eq 0 ] || fail "the level select does not show 12, 34 and 56"
[ "$diff_wrong" -gt 0 ] || fail "the comparison cannot tell 12 from 13"

press Return
sleep 0.7
play=$(shot "$win" level1)
hud=$(dark_share "$play" 110x22+60+30)
echo "dark share of the score line: $hud"
awk -v s="$hud" 'BEGIN { exit !(s > 0.03) }' || fail "no HUD text on the level"

press Escape
sleep 0.5
back=$(shot "$win" level-select-after-play)
[ "$(pixels_differing "$back" expected.bmp)" -eq 0 ] || fail "the level select changed after Escape"

press Escape
status=$(wait_exit "$pid" 10) || fail "the game did not end on Escape from the level select"
[ "$status" = "0" ] || fail "exit status $status"
echo "PASS"
