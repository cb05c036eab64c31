#!/usr/bin/env bash
# Shows the real window under a private X server (xvfb-run) at scale 1 and at
# QT_SCALE_FACTOR=2, holds dice 1 and 4 in both, takes a screenshot of each and has
# scale_check compare them. Also checks what the desktop sees of the window: its icon
# and its class.
# usage: hidpi_test.sh <quorbel> <scale_check> <output dir>
set -euo pipefail
# shellcheck source=scripts/xvfb.sh
source "$(dirname "$0")/../../scripts/xvfb.sh"
on_xvfb "-screen 0 1280x1024x24" "$@"
game=$1 scale_check=$2 out=$3
mkdir -p "$out"
import=/usr/bin/import  # ImageMagick's own, not a wrapper that may stand first on PATH
[ -x "$import" ] || import=import
launcher=$(dirname "$0")/../../data/io.github.quorbel.Quorbel.desktop

game_pid=""
cleanup() {
    [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -s "$out/game.log" ] && sed 's/^/  game: /' "$out/game.log" >&2
    exit 1
}

unset WAYLAND_DISPLAY QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_AUTO_SCREEN_SCALE_FACTOR

# Screenshots until two in a row agree: the window has finished drawing.
settled_shot() {
    local win=$1 file=$2 previous="$out/previous.png"
    "$import" -silent -window "$win" "$previous"
    for _ in $(seq 50); do
        sleep 0.1
        "$import" -silent -window "$win" "$file"
        cmp -s "$file" "$previous" && return 0
        cp "$file" "$previous"
    done
    fail "the window never settled"
}

for scale in 1 2; do
    if [ "$scale" = 1 ]; then unset QT_SCALE_FACTOR; else export QT_SCALE_FACTOR=$scale; fi
    "$game" >"$out/game.log" 2>&1 &
    game_pid=$!
    win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quorbel!$' | head -n1) ||
        fail "no window at scale $scale"
    size=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    echo "scale $scale: window $size"
    [ "$size" = "$((395 * scale))x$((385 * scale))" ] || fail "window is $size at scale $scale"
    settled_shot "$win" "$out/blank-$scale.png"
    # Mouse presses on dice 1 and 4 hold them: HOLD appears on both.
    for centre in "294 38" "358 102"; do
        read -r x y <<<"$centre"
        xdotool mousemove --window "$win" $((x * scale)) $((y * scale)) click 1
    done
    for _ in $(seq 50); do
        settled_shot "$win" "$out/held-$scale.png"
        cmp -s "$out/held-$scale.png" "$out/blank-$scale.png" || break
    done

    if [ "$scale" = 1 ]; then
        # The window carries the application icon at the launcher's sizes; X11 gets
        # those up to 128 pixels, as Qt sends no larger ones.
        icons=$(xprop -id "$win" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ')
        echo "window icons: $icons"
        for s in 16 32 48 64 128; do
            grep -q "Icon ($s x $s)" <<<"$icons" || fail "the window has no ${s}x${s} icon"
        done
        # A desktop matches window and launcher by WM_CLASS; the launcher names its
        # instance part, the program's file name.
        want=$(sed -n 's/^StartupWMClass=//p' "$launcher")
        wm_class=$(xprop -id "$win" WM_CLASS)
        [[ "$wm_class" == *" = \"$want\", "* ]] || fail "WM_CLASS does not start with $want: $wm_class"
        # The frame offers no maximise, as the window's size is fixed; minimise and close
        # stay. _MOTIF_WM_HINTS is flags, functions, decorations, ...: the functions listed
        # (no "all" bit) are minimise 0x08, maximise 0x10, close 0x20; the decorations,
        # minimise 0x20 and maximise 0x40.
        hints=$(xprop -id "$win" _MOTIF_WM_HINTS)
        echo "frame: $hints"
        read -r functions decorations < <(sed -n 's/.* = 0x[0-9a-f]*, \(0x[0-9a-f]*\), \(0x[0-9a-f]*\),.*/\1 \2/p' <<<"$hints")
        [ -n "${decorations:-}" ] || fail "no Motif hints on the window: $hints"
        ((functions & 0x01)) && fail "the hints list the functions the frame leaves out: $hints"
        ((functions & 0x10 || decorations & 0x40)) && fail "the frame offers maximise: $hints"
        ((functions & 0x08 && functions & 0x20 && decorations & 0x20)) ||
            fail "the frame lacks minimise or close: $hints"
    fi
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
done

"$scale_check" "$out/held-1.png" "$out/held-2.png"
