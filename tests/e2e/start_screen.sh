#!/usr/bin/env bash
# The window as it opens: size, caption, colours, blank dice, only Roll among the
# buttons, and category labels that take no clicks before the first roll.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"

start_game

size=$(xwininfo -id "$WIN" | awk '/^  Width:/ {w = $2} /^  Height:/ {h = $2} END {print w "x" h}')
[ "$size" = 395x385 ] || fail "client area is $size, not 395x385"

# Window managers show the UTF-8 title; older ones WM_NAME.
for prop in WM_NAME _NET_WM_NAME; do
    title=$(xprop -id "$WIN" "$prop" | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')
    [ "$title" = "Quorbel!" ] || fail "$prop is '$title', not 'Quorbel!'"
done

f="$OUT_DIR/start.png"
shot "$f"
note "screenshot $f"

# Yellow background around and between the controls.
for at in "104 100" "390 210" "390 380" "250 380" "4 270" "326 100" "260 40" "330 3"; do
    read -r x y <<<"$at"
    colour=$(pixel "$f" "$x" "$y")
    [ "$colour" = 255,255,0 ] || fail "background at $x,$y is $colour, not yellow"
done

check_sheet "$f"
note "all $(wc -l <<<"$SHEET_LABELS") labels show their colours and their text fits"

# Six white die squares with a dark outline; no pip and no HOLD picture on them.
read -r -a red <<<"$(dice_red "$f")"
read -r -a ink <<<"$(dice_hold_ink "$f")"
read -r -a white <<<"$(dice_count "$f" 255 255 255 0 52x52+4+4)"
read -r -a dark <<<"$(dice_count "$f" 0 0 0 110)"
for n in 1 2 3 4 5 6; do
    [ "${white[n - 1]}" -eq $((52 * 52)) ] || fail "die $n: the square is not blank white"
    [ "${dark[n - 1]}" -gt 150 ] || fail "die $n: no outline (${dark[n - 1]} dark pixels)"
    [ "${red[n - 1]}" -eq 0 ] || fail "die $n shows a pip before the first roll"
    [ "${ink[n - 1]}" -eq 0 ] || fail "die $n is held at start-up"
done
note "six blank dice, none held"

# Roll is there; Restart and Exit are not.
[ "$(count "$f" 97x33+280+224 255 255 0 0)" -lt 1000 ] || fail "no Roll button"
[ "$(count "$f" 97x33+280+272 255 255 0 0)" -eq $((97 * 33)) ] || fail "Restart is shown at start-up"
[ "$(count "$f" 97x33+280+320 255 255 0 0)" -eq $((97 * 33)) ] || fail "Exit is shown at start-up"

# Before the first roll a click on a category changes nothing. The press on die 1
# that follows is handled after the clicks, so once die 1 shows HOLD they are done.
click 52 43
click 182 299
press_die 1 1 12
shot "$TMP_DIR/after.png"
[ "$(blue_in "$TMP_DIR/after.png" aces)" -eq 0 ] || fail "Aces was claimed before any roll"
[ "$(blue_in "$TMP_DIR/after.png" sxkind)" -eq 0 ] || fail "Quorbel was claimed before any roll"
crop "$f" "$(label_rect tott)" "$TMP_DIR/tott.before.png"
crop "$TMP_DIR/after.png" "$(label_rect tott)" "$TMP_DIR/tott.after.png"
same "$TMP_DIR/tott.before.png" "$TMP_DIR/tott.after.png" || fail "the grand total changed before any roll"
press_die 1 0 12
note "categories take no clicks before the first roll"

alive "$GAME_PID" || fail "the game is no longer running"
echo "start screen: all checks passed"
