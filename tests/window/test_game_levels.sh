#!/usr/bin/env bash
# Each level starts from the level select and shows in the window; a level that
# ends with the player's death shows the end screen, and Return there leads back
# to the level select. Runs on a scratch copy of the assets.
source "$(dirname "$0")/lib.sh"

scratch=$(scratch_assets)
trap 'kill $pid 2>/dev/null || true; rm -rf "$scratch" "$STATUS_DIR"' EXIT
cd "$scratch"

launch "$BUILD_DIR/kestrun"
pid=$LAUNCHED_PID
win=$(wait_window "Kestrun 2") || fail "no window titled Kestrun 2"
focus_window "$win"
press Return            # level select
for level in 1 2 3; do
    press Return        # start the level under the arrow
    sleep 0.6
    picture=$(shot "$win" "level$level")
    hud=$(dark_share "$picture" 110x22+60+30)
    awk -v s="$hud" 'BEGIN { exit !(s > 0.03) }' || fail "level $level shows no HUD"
    press Escape Down   # back to the level select, arrow to the next level
done
press Escape
status=$(wait_exit "$pid" 10) || fail "the game did not end"
[ "$status" = "0" ] || fail "exit status $status"

# A level where a flying enemy starts on the player: the player dies within seconds.
printf '....................\n....................\n.....IE.............\nGGGGGGGGGGGGGGGGGGGG\n' \
    > assets/levels/level1.txt
launch "$BUILD_DIR/kestrun"
pid=$LAUNCHED_PID
win=$(wait_window "Kestrun 2") || fail "no window titled Kestrun 2"
focus_window "$win"
press Return Return
sleep 3
ended=$(shot "$win" end-screen)
text=$(dark_share "$ended" 220x24+200+170)
awk -v s="$text" 'BEGIN { exit !(s > 0.03) }' || fail "no end screen after the player died"
press Return            # back to the level select
sleep 0.3
press Escape
status=$(wait_exit "$pid" 10) || fail "the game did not end after the end screen"
[ "$status" = "0" ] || fail "exit status $status"
echo "PASS"
