#!/usr/bin/env bash
# Rolling and holding in the real window: every die shows pips after Roll, a press
# on a die shows or hides its HOLD picture, and held dice keep their faces.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"

start_game

# Before the first roll each die toggles on presses in its square.
for n in 1 2 3 4 5 6; do
    press_die "$n" 1 12
    press_die "$n" 0 12
done
note "each die shows and hides HOLD on two presses before the first roll"

roll
note "after Roll every die shows pips"

# Hold dice 1 and 4, keep their faces, roll the others.
press_die 1 1 12
press_die 4 1 12
shot "$TMP_DIR/held.png"
read -r -a ink <<<"$(dice_hold_ink "$TMP_DIR/held.png")"
for n in 2 3 5 6; do
    [ "${ink[n - 1]}" -eq 0 ] || fail "die $n shows HOLD though only dice 1 and 4 were pressed"
done
crop "$TMP_DIR/held.png" "$(die_rect 1)" "$TMP_DIR/die1.before.png"
crop "$TMP_DIR/held.png" "$(die_rect 4)" "$TMP_DIR/die4.before.png"

# Roll again. Presses on die 2 afterwards are handled after the roll, so once its
# HOLD picture has come and gone the window shows the new faces.
roll
press_die 2 1 12
press_die 2 0 12
dice_all_show_pips || fail "after the second roll not every die shows pips"
f="$OUT_DIR/held_roll.png"
cp "$TMP_DIR/pips.png" "$f"
note "screenshot $f"
read -r -a ink <<<"$(dice_hold_ink "$f")"
for n in 1 4; do
    crop "$f" "$(die_rect "$n")" "$TMP_DIR/die$n.after.png"
    same "$TMP_DIR/die$n.before.png" "$TMP_DIR/die$n.after.png" || fail "held die $n changed on Roll"
    [ "${ink[n - 1]}" -gt 30 ] || fail "held die $n lost its HOLD picture on Roll"
done
note "held dice 1 and 4 kept their faces and HOLD pictures"
if [ -n "${QUORBEL_SCREENSHOT_OUT:-}" ]; then
    mkdir -p "$(dirname "$QUORBEL_SCREENSHOT_OUT")"
    cp "$f" "$QUORBEL_SCREENSHOT_OUT"
    note "copied to $QUORBEL_SCREENSHOT_OUT"
fi

# A press on the square beside the picture releases a die, and so does a click on
# the picture itself.
press_die 4 0 12
press_die 1 0 30
note "HOLD pictures go on a second press, on the square or on the picture"

alive "$GAME_PID" || fail "the game is no longer running"
echo "dice: all checks passed"
