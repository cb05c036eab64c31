#!/usr/bin/env bash
# Starts the game on Qt's Wayland platform under a private headless weston, with no X
# server to fall back on, and reads the requests it sends (WAYLAND_DEBUG): one toplevel
# titled "Quorbel!", fixed at 395 x 385, under the launcher's app id, that draws a frame
# and stays up. libwayland writes objects as wl_surface@13, from 1.23 on as wl_surface#13.
# usage: wayland_test.sh <quorbel> <output dir>
set -euo pipefail
game=$1 out=$2
socket=quorbel-test
rm -rf "$out"
mkdir -p "$out"
# Private to this run and to its user (mode 700), as Wayland and Qt want it.
runtime=$(mktemp -d "${TMPDIR:-/tmp}/quorbel-wayland.XXXXXX")

weston_pid="" game_pid=""
alive() { [ -n "$1" ] && kill -0 "$1" 2>/dev/null; }
# stop PID [GROUP]: TERM, then KILL after 3 s; with GROUP, to its whole process group.
stop() {
    local pid=$1 target=$1
    [ $# -eq 1 ] || target=-$1
    alive "$pid" || return 0
    kill -TERM -- "$target" 2>/dev/null || true
    for _ in $(seq 30); do
        alive "$pid" || break
        sleep 0.1
    done
    kill -KILL -- "$target" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
cleanup() {
    stop "$game_pid"
    stop "$weston_pid" group # weston and the shell clients it started
    rm -rf "$runtime"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    grep -v '^\[' "$out/game.log" 2>/dev/null | sed 's/^/  game: /' >&2 || true
    tail -n 20 "$out/weston.log" 2>/dev/null | sed 's/^/  weston: /' >&2 || true
    exit 1
}
# wait_for SECONDS PID COMMAND...: until COMMAND succeeds; fails once PID has gone or
# time runs out.
wait_for() {
    local deadline=$((SECONDS + $1)) pid=$2
    shift 2
    until "$@"; do
        alive "$pid" && [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Its own process group (setsid), so that cleanup ends its clients with it.
XDG_RUNTIME_DIR="$runtime" setsid weston --backend=headless-backend.so --socket="$socket" \
    --idle-time=0 --no-config --log="$out/weston.log" >/dev/null 2>&1 &
weston_pid=$!
listening() { [ -S "$runtime/$socket" ]; }
wait_for 10 "$weston_pid" listening || fail "weston did not start"

env -u DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS XDG_RUNTIME_DIR="$runtime" \
    WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
    "$game" >"$out/game.log" 2>&1 &
game_pid=$!
# A buffer attached to a surface: the first frame has gone to the compositor.
drawn() { grep -q -- '-> wl_surface[@#][0-9]*\.attach(wl_buffer[@#]' "$out/game.log"; }
wait_for 20 "$game_pid" drawn || fail "no frame within 20 s"
sleep 2
alive "$game_pid" || fail "the game stopped after its first frame"
! grep -q 'wl_display[@#]1\.error' "$out/game.log" || fail "protocol error: $(grep 'wl_display[@#]1\.error' "$out/game.log")"

# What the game asked of the toplevel that has its title: each request of a kind, in order.
toplevel=$(sed -n 's/.*-> \(xdg_toplevel[@#][0-9]*\)\.set_title("Quorbel!").*/\1/p' "$out/game.log" | tail -n1)
[ -n "$toplevel" ] || fail "no toplevel titled Quorbel!"
requests() { sed -n "s/.*-> $toplevel\\.$1(\\(.*\\))\$/\\1/p" "$out/game.log"; }
request() { requests "$1" | tail -n1; }
[ "$(grep -c -- '-> xdg_wm_base[@#][0-9]*\.get_xdg_surface' "$out/game.log")" -eq 1 ] ||
    fail "more than one window"
[ "$(request set_app_id)" = '"io.github.quorbel.Quorbel"' ] ||
    fail "app id is $(request set_app_id), not the launcher's"
# Qt asks for the window's own size first; from Qt 6.8 on it asks again with its own
# decorations added, as the protocol allows. Either way the size stays fixed.
for kind in min max; do
    [ "$(requests set_${kind}_size | head -n1)" = "395, 385" ] ||
        fail "$kind size asked: $(requests set_${kind}_size | paste -sd';')"
done
[ "$(request set_min_size)" = "$(request set_max_size)" ] ||
    fail "size not fixed: minimum $(request set_min_size), maximum $(request set_max_size)"
echo "wayland: $toplevel \"Quorbel!\", app id $(request set_app_id), size 395 x 385 fixed, up"
