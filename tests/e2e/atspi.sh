#!/usr/bin/env bash
# Runs a Python script that reads the game through AT-SPI (atspi.py) against the real
# game, with Qt's accessibility bridge on, in a D-Bus session and an X server of its own:
#   atspi.sh <quorbel> <output dir> [script.py [arguments]]
# Without a script it prints the window's tree and its role counts. The whole run ends
# after ATSPI_TIMEOUT seconds (240 unless told), whatever hangs.
# shellcheck source-path=SCRIPTDIR

# First a session bus, through which the accessibility bus is found. timeout stops
# the whole process group, X server and buses included.
if [ "${QUORBEL_ATSPI_SESSION:-}" != 1 ]; then
    QUORBEL_ATSPI_SESSION=1 exec timeout -k 5 "${ATSPI_TIMEOUT:-240}" \
        dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
unset QUORBEL_ATSPI_SESSION
script=${3:-$E2E_DIR/atspi.py}
shift $(($# < 3 ? $# : 3))
SCRIPT_NAME=$(basename "$script" .py)
GAME_LOG="$OUT_DIR/$SCRIPT_NAME.game.log"

# Debian's pyatspi, whichever python3 stands first on PATH; atspi.py importable from
# anywhere, and no bytecode left in the source tree.
PYTHON=/usr/bin/python3
"$PYTHON" -c "import pyatspi" 2>/dev/null || fail "no pyatspi (scripts/install-deps.sh --test installs it)"
export PYTHONPATH="$E2E_DIR${PYTHONPATH:+:$PYTHONPATH}" PYTHONDONTWRITEBYTECODE=1

# The accessibility bus now, rather than when the game first asks for it.
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 \
    >"$OUT_DIR/$SCRIPT_NAME.bus.log" 2>&1 &
BUS_PID=$!
# The game's first accessibility calls wait for the bus; on a busy machine a game started
# before it answers can stall past the window's deadline.
bus_up() {
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1
}
wait_until 20 bus_up || fail "the accessibility bus did not start within 20 s"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_game
export QUORBEL_WINDOW=$WIN
xdotool windowfocus --sync "$WIN" # no window manager gives it the keyboard

"$PYTHON" "$script" "$@" || fail "$(basename "$script") failed"
stop_pid "$GAME_PID"
stop_pid "$BUS_PID"
