#!/usr/bin/env bash
# A whole game by mouse: sixteen turns of Roll and a click on the next open
# category, the rating message at the end, then Exit.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"

start_game

shot "$TMP_DIR/start.png"
crop "$TMP_DIR/start.png" "$(label_rect tott)" "$TMP_DIR/tott.start.png"

# In the order they are claimed; the last one ends the game.
CATEGORIES=(aces twos threes fours fives sixes thpair thrkind ttkind frkind fvkind sstr lstr gstr
    sxkind chance)
LAST=$((${#CATEGORIES[@]} - 1))

label_blue() {
    shot "$TMP_DIR/claim.png" || return 1
    [ "$(blue_in "$TMP_DIR/claim.png" "$1")" -gt 20 ]
}

# red_mask FILE RECT OUT: where the rectangle shows pips.
red_mask() { "${CONVERT[@]}" "$1" -alpha off -crop "$2" +repage -fx "$(near 255 0 0 40)" "$3"; }

visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }

six_of_a_kind_scores=0
for i in "${!CATEGORIES[@]}"; do
    name=${CATEGORIES[i]}
    read -r x y w h <<<"$(label_xywh "$name")"
    while :; do
        shot "$TMP_DIR/before.png"
        [ "$(blue_in "$TMP_DIR/before.png" "$name")" -eq 0 ] || fail "$name is blue before its claim"
        crop "$TMP_DIR/before.png" "$(label_rect "$name")" "$TMP_DIR/label.before.png"
        [ "$(dice_hold_ink "$TMP_DIR/before.png")" = "0 0 0 0 0 0 " ] || fail "a die is held as the turn starts"
        [ "$i" -lt "$LAST" ] || windows_before=$(visible_windows)
        held=""
        if [ "$i" -eq 1 ]; then
            # A die held between turns shows HOLD at once and keeps its face on the roll.
            press_die 1 1 12
            held=1
        fi
        roll
        if [ -n "$held" ]; then
            red_mask "$TMP_DIR/last_roll.png" "$(die_rect 1)" "$TMP_DIR/mask.before.png"
            red_mask "$TMP_DIR/pips.png" "$(die_rect 1)" "$TMP_DIR/mask.after.png"
            same "$TMP_DIR/mask.before.png" "$TMP_DIR/mask.after.png" ||
                fail "die 1, held between turns, changed its face on Roll"
            note "die 1, held between turns, kept its face"
        fi
        cp "$TMP_DIR/pips.png" "$TMP_DIR/last_roll.png"
        click $((x + w / 2)) $((y + h / 2))
        [ "$i" -lt "$LAST" ] || break # the last turn ends in a message box, looked at below

        # The claim ends the turn: the dice go blank and the label turns blue.
        wait_until 10 dice_blank || fail "the turn did not end after a click on $name"
        wait_until 3 label_blue "$name" && break

        # Six of a kind on the dice: the Quorbel label scores and stays open.
        crop "$TMP_DIR/blank.png" "$(label_rect "$name")" "$TMP_DIR/label.after.png"
        if [ "$name" != sxkind ] || same "$TMP_DIR/label.before.png" "$TMP_DIR/label.after.png"; then
            fail "$name did not turn blue when claimed"
        fi
        six_of_a_kind_scores=$((six_of_a_kind_scores + 1))
        [ "$six_of_a_kind_scores" -le 5 ] || fail "Quorbel never closes"
        note "six of a kind scored; Quorbel stays open"
    done
    [ "$i" -eq "$LAST" ] || note "claimed $name ($((i + 1)) closed)"
done

# The last claim brings up the rating in a window of its own.
new_window() {
    box=$(comm -13 <(echo "$windows_before") <(visible_windows) | grep -vx "$WIN" | head -n1)
    [ -n "$box" ]
}
wait_until 10 new_window || fail "no message box after the last category"
note "message box $box: '$(xdotool getwindowname "$box")'"
read -r box_x box_y box_w box_h <<<"$(xwininfo -id "$box" | awk '
    /Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
    /^  Width:/ {w = $2} /^  Height:/ {h = $2} END {print x, y, w, h}')"
# Dark text on a light face.
box_painted() {
    grab -window "$box" "$TMP_DIR/box.png" || return 1
    [ "$(count "$TMP_DIR/box.png" "${box_w}x${box_h}+0+0" 0 0 0 80)" -gt 50 ] &&
        [ "$(count "$TMP_DIR/box.png" "${box_w}x${box_h}+0+0" 240 240 240 30)" -gt $((box_w * box_h / 2)) ]
}
wait_until 10 box_painted || fail "the message box shows no text"
cp "$TMP_DIR/box.png" "$OUT_DIR/end_message.png"
# The screen as the player sees it: the finished sheet under the message box.
right=$((box_x + box_w > 395 ? box_x + box_w : 395))
bottom=$((box_y + box_h > 385 ? box_y + box_h : 385))
grab -window root -crop "${right}x${bottom}+0+0" +repage "$OUT_DIR/end_screen.png"
note "screenshots $OUT_DIR/end_message.png, $OUT_DIR/end_screen.png"

# Return presses the box's OK button.
box_gone() { ! visible_windows | grep -qx "$box"; }
for _ in 1 2 3; do
    xdotool windowfocus "$box" 2>/dev/null || true
    xdotool key Return
    wait_until 3 box_gone && break
done
box_gone || fail "Return did not close the message box"
note "message box closed"

# The finished sheet: Restart and Exit in place of Roll, every category blue,
# totals written, dice blank.
buttons_swapped() {
    shot "$TMP_DIR/end.png" || return 1
    [ "$(count "$TMP_DIR/end.png" 97x33+280+224 255 255 0 0)" -eq $((97 * 33)) ] &&
        [ "$(count "$TMP_DIR/end.png" 97x33+280+272 255 255 0 0)" -lt 1000 ] &&
        [ "$(count "$TMP_DIR/end.png" 97x33+280+320 255 255 0 0)" -lt 1000 ]
}
wait_until 5 buttons_swapped || fail "Roll is still shown, or Restart and Exit are not"
f="$OUT_DIR/end.png"
cp "$TMP_DIR/end.png" "$f"
for name in "${CATEGORIES[@]}"; do
    [ "$(blue_in "$f" "$name")" -gt 20 ] || fail "$name is not blue at the end"
done
[ "$(dice_red "$f")" = "0 0 0 0 0 0 " ] || fail "dice show pips after the game"
check_sheet "$f"
crop "$f" "$(label_rect tott)" "$TMP_DIR/tott.end.png"
! same "$TMP_DIR/tott.start.png" "$TMP_DIR/tott.end.png" || fail "the grand total reads as at the start"
note "finished sheet: 16 blue categories, new totals, Restart and Exit shown, Roll gone"

# Exit ends the program with status 0.
click 328 336
exited() { ! alive "$GAME_PID"; }
wait_until 5 exited || fail "the game still runs 5 s after Exit"
status=0
wait "$GAME_PID" || status=$?
GAME_PID=""
[ "$status" -eq 0 ] || fail "the game ended with status $status"
note "Exit ended the game with status 0"
echo "game: all checks passed"
