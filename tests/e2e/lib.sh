# Shared helpers for the end-to-end scripts: a private X server, the game in it,
# screenshots, pixel counts and polling. Sourced by each script, which is run as
#   script.sh <path to quorbel> <output dir>
# and runs itself again under xvfb-run (scripts/xvfb.sh).
# Rectangles are ImageMagick geometries, WIDTHxHEIGHT+LEFT+TOP, in window pixels.
# shellcheck shell=bash disable=SC2317  # conditions are run through wait_until

set -eEuo pipefail
trap 'echo "FAIL: line $LINENO of $(basename "${BASH_SOURCE[0]}"): $BASH_COMMAND" >&2' ERR

[ $# -ge 2 ] || {
    echo "usage: $0 <quorbel binary> <output dir>" >&2
    exit 2
}
GAME_BIN=$1
OUT_DIR=$2
mkdir -p "$OUT_DIR"
SCRIPT_NAME=$(basename "$0" .sh)
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The real ImageMagick, even where a wrapper shadows it on PATH: through magick where it
# exists (ImageMagick 7, whose convert writes a line "list" before what -fx prints).
if [ -x /usr/bin/magick ]; then
    CONVERT=(/usr/bin/magick) IMPORT=(/usr/bin/magick import) COMPARE=(/usr/bin/magick compare)
elif [ -x /usr/bin/convert ]; then
    CONVERT=(/usr/bin/convert) IMPORT=(/usr/bin/import) COMPARE=(/usr/bin/compare)
else
    CONVERT=(convert) IMPORT=(import) COMPARE=(compare)
fi
for tool in xvfb-run xauth xdotool xwininfo xprop timeout \
    "${CONVERT[0]}" "${IMPORT[0]}" "${COMPARE[0]}"; do
    command -v "$tool" >/dev/null || {
        echo "missing tool: $tool (scripts/install-deps.sh --test installs it)" >&2
        exit 1
    }
done

# shellcheck source=scripts/xvfb.sh
source "$E2E_DIR/../../scripts/xvfb.sh"
on_xvfb "-screen 0 800x600x24" "$@"

TMP_DIR=$(mktemp -d "${TMPDIR:-/tmp}/quorbel-e2e.XXXXXX")
GAME_PID=""
WIN=""
GAME_LOG="$OUT_DIR/$SCRIPT_NAME.game.log"

note() { echo "-- $*"; }

# fail MESSAGE: reports, keeps a screenshot and the game's output, and ends the script.
fail() {
    echo "FAIL: $*" >&2
    if [ -n "$WIN" ] && [ -n "$GAME_PID" ] && alive "$GAME_PID"; then
        grab -window "$WIN" "$OUT_DIR/$SCRIPT_NAME.failure.png" &&
            echo "screenshot at failure: $OUT_DIR/$SCRIPT_NAME.failure.png" >&2
    fi
    if [ -s "$GAME_LOG" ]; then
        echo "game output:" >&2
        sed 's/^/  /' "$GAME_LOG" >&2
    fi
    exit 1
}

# alive PID: whether our child PID still runs (a child that has exited but has
# not been waited for is a zombie, which kill -0 still finds).
alive() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) } # the state follows the command name in parentheses
    [ -n "$stat" ] && [ "${stat:0:1}" != Z ]
}

# wait_until SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds;
# returns 1 when time runs out.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

stop_pid() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    gone() { ! alive "$pid"; }
    wait_until 3 gone || kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    local status=$?
    stop_pid "$GAME_PID"
    rm -rf "$TMP_DIR"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Starts the game on our X server and waits until its window is mapped and painted.
start_game() {
    note "X server on $DISPLAY"
    # A sanitizer build run by hand gets the system libraries' leak suppressions that
    # the asan preset gives it.
    export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$E2E_DIR/../lsan.supp}"
    env -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI \
        -u QT_AUTO_SCREEN_SCALE_FACTOR -u QT_STYLE_OVERRIDE \
        "$GAME_BIN" >"$GAME_LOG" 2>&1 &
    GAME_PID=$!
    WIN=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quorbel!$' 2>/dev/null |
        head -n1) || true
    [ -n "$WIN" ] || fail "no visible window named Quorbel! within 20 s"
    # The heading "Upper Scores" is drawn once the window shows its controls.
    painted() { shot "$TMP_DIR/probe.png" && [ "$(pixel "$TMP_DIR/probe.png" 50 3)" = 0,192,0 ]; }
    wait_until 10 painted || fail "the window was not painted within 10 s"
    note "game window $WIN (pid $GAME_PID)"
}

# grab IMPORT-ARGUMENTS...: a screenshot. Bounded in time: import waits for a mouse
# click to pick a window when the one it was given has gone.
grab() { timeout 20 "${IMPORT[@]}" -silent "$@" 2>/dev/null; }

# shot FILE: a screenshot of the game window.
shot() {
    alive "$GAME_PID" || fail "the game is no longer running"
    grab -window "$WIN" "$1"
}

# crop FILE RECT OUT: cuts a rectangle out of a screenshot.
crop() { "${CONVERT[@]}" "$1" -crop "$2" +repage "$3"; }

# same FILE1 FILE2: whether two pictures are equal pixel for pixel.
same() { [ "$("${COMPARE[@]}" -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }

# pixel FILE X Y: prints "R,G,B" in 0..255.
pixel() {
    local x=$2 y=$3
    "${CONVERT[@]}" "$1" -alpha off -format \
        "%[fx:round(255*p{$x,$y}.r)],%[fx:round(255*p{$x,$y}.g)],%[fx:round(255*p{$x,$y}.b)]" info:
}

# near R G B TOLERANCE: an -fx test that a pixel's channels are each within
# TOLERANCE of R,G,B (all 0..255). Half a level more: ImageMagick 7's 255*r can miss
# the whole number by a hair (-1.4e-17 for 0), which a tolerance of 0 would not allow.
near() {
    local t="$4+0.5"
    echo "abs(255*r-$1)<=$t && abs(255*g-$2)<=$t && abs(255*b-$3)<=$t"
}

# count FILE RECT R G B [TOLERANCE]: how many pixels of the rectangle are near R,G,B
# (within 40 unless told).
count() {
    "${CONVERT[@]}" "$1" -alpha off -crop "$2" +repage -fx "$(near "$3" "$4" "$5" "${6:-40}")" \
        -format '%[fx:round(mean*w*h)]' info:
}

# dice_count FILE R G B TOLERANCE [PART]: count for the six die squares at once, or
# for the same part (a rectangle relative to the square) of each; prints six
# numbers, die 1 first.
dice_count() {
    "${CONVERT[@]}" "$1" -alpha off -crop 124x188+264+8 +repage -fx "$(near "$2" "$3" "$4" "$5")" \
        -crop 64x64 +repage -crop "${6:-60x60+0+0}" +repage -format '%[fx:round(mean*w*h)] ' info:
}

# Red pip pixels on each die of FILE.
dice_red() { dice_count "$1" 255 0 0 40; }

# Black pixels of each die's HOLD picture on FILE (it lies at left + 3, top + 25).
dice_hold_ink() { dice_count "$1" 0 0 0 60 54x12+3+25; }

# click X Y: a left click at window coordinates.
click() {
    alive "$GAME_PID" || fail "the game is no longer running"
    xdotool mousemove --window "$WIN" "$1" "$2" click 1
}

# Die n (1..6): its square, and the top left corner of it.
die_left() { echo $((264 + 64 * (($1 - 1) % 2))); }
die_top() { echo $((8 + 64 * (($1 - 1) / 2))); }
die_rect() { echo "60x60+$(die_left "$1")+$(die_top "$1")"; }

# Whether every die on a fresh screenshot (kept as pips.png) shows pips.
dice_all_show_pips() {
    shot "$TMP_DIR/pips.png" || return 1
    local counts n
    read -r -a counts <<<"$(dice_red "$TMP_DIR/pips.png")" || return 1
    [ "${#counts[@]}" -eq 6 ] || return 1
    for n in "${counts[@]}"; do
        [ "$n" -gt 20 ] || return 1
    done
}

# Whether no die on a fresh screenshot (kept as blank.png) shows a pip.
dice_blank() {
    shot "$TMP_DIR/blank.png" || return 1
    [ "$(dice_red "$TMP_DIR/blank.png")" = "0 0 0 0 0 0 " ]
}

# Whether die N's HOLD picture is shown (WANT=1) or hidden (WANT=0) on a fresh screenshot.
hold_is() {
    local n=$1 want=$2 ink
    shot "$TMP_DIR/hold.png" || return 1
    ink=$(dice_hold_ink "$TMP_DIR/hold.png" | cut -d" " -f"$n")
    if [ "$want" -eq 1 ]; then [ "$ink" -gt 30 ]; else [ "$ink" -eq 0 ]; fi
}

# press_die N WANT [DY]: presses die N in the middle of its square, DY pixels below
# its top (30 unless told: over the HOLD picture), and waits for its HOLD picture to
# be shown (WANT=1) or hidden (WANT=0).
press_die() {
    local n=$1 want=$2 dy=${3:-30} state=hidden
    [ "$want" -eq 0 ] || state=shown
    click $(($(die_left "$n") + 30)) $(($(die_top "$n") + dy))
    wait_until 5 hold_is "$n" "$want" || fail "die $n: HOLD picture not $state after a press"
}

# Clicks Roll and waits until every die shows its pips.
roll() {
    click 328 240
    wait_until 5 dice_all_show_pips || fail "after Roll not every die shows pips"
}

# The score sheet: every label's name, rectangle and background colour.
SHEET_LABELS="\
upscores 0 0 109 27 0 192 0
lwscores 128 0 109 27 192 0 0
aces 8 32 88 23 0 255 0
twos 8 64 88 23 0 255 0
threes 8 96 88 23 0 255 0
fours 8 128 88 23 0 255 0
fives 8 160 88 23 0 255 0
sixes 8 192 88 23 0 255 0
thpair 136 32 93 23 255 0 0
thrkind 120 64 125 23 255 0 0
ttkind 112 96 141 23 255 0 0
frkind 120 128 125 23 255 0 0
fvkind 120 160 125 23 255 0 0
sstr 112 192 141 23 255 0 0
lstr 112 224 141 23 255 0 0
gstr 112 256 141 23 255 0 0
sxkind 120 288 125 23 255 0 0
chance 120 320 125 23 255 0 0
totu 8 224 89 25 128 255 128
totl 120 352 121 25 255 128 128
tott 0 320 113 33 128 255 255"

# label_xywh NAME: prints "X Y W H" of a label.
label_xywh() {
    local name x y w h
    while read -r name x y w h _; do
        [ "$name" != "$1" ] || {
            echo "$x $y $w $h"
            return 0
        }
    done <<<"$SHEET_LABELS"
    fail "no label $1"
}

# label_rect NAME: a label's rectangle.
label_rect() {
    local x y w h
    read -r x y w h <<<"$(label_xywh "$1")"
    echo "${w}x${h}+${x}+${y}"
}

# blue_in FILE NAME: pure blue (closed category) text pixels in a label.
blue_in() { count "$1" "$(label_rect "$2")" 0 0 255 30; }

# check_sheet FILE: every label shows its own background colour around its text,
# shows some text, and its text ends before its right edge (a caption too long for
# its label would be cut off there).
check_sheet() {
    local f=$1 name x y w h r g b all top bottom right
    while read -r name x y w h r g b; do
        # Pixels of the background colour: in the label, its second row, its last
        # row but one, and its last two columns but one.
        read -r all top bottom right <<<"$("${CONVERT[@]}" "$f" -alpha off -crop "${w}x${h}+${x}+${y}" \
            +repage -fx "$(near "$r" "$g" "$b" 0)" \
            \( -clone 0 -crop "$((w - 2))x1+1+1" \) \( -clone 0 -crop "$((w - 2))x1+1+$((h - 2))" \) \
            \( -clone 0 -crop "2x$((h - 2))+$((w - 3))+1" \) +repage \
            -format '%[fx:round(mean*w*h)] ' info:)"
        [ "$top" -eq $((w - 2)) ] || fail "$name: its top row is not all $r,$g,$b"
        [ "$bottom" -eq $((w - 2)) ] || fail "$name: its bottom row is not all $r,$g,$b"
        [ "$right" -eq $((2 * (h - 2))) ] || fail "$name: its text runs into its right edge"
        [ "$all" -lt $((w * h - 40)) ] || fail "$name: shows no text"
    done <<<"$SHEET_LABELS"
}
