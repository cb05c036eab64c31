# Gives a script that shows real windows an X server of its own, from xvfb-run.
# shellcheck shell=bash
#
# The first thing such a script does, before any cd:
#     source "$(dirname "$0")/../scripts/xvfb.sh"
#     on_xvfb "-screen 0 800x600x24" "$@"
# on_xvfb runs the script again, with the same arguments, under xvfb-run and exits with
# its status. In that second run it returns at once, with DISPLAY and XAUTHORITY set,
# Qt pointed at the server, a private XDG_RUNTIME_DIR, and the screen's frame buffer in
# the file $XVFB_DIR/Xvfb_screen0 (bench/frame_watch.cpp reads it). The server's own
# messages are in $XVFB_DIR/xvfb.log, and its cookie in $XVFB_DIR/Xauthority (where
# xvfb-run, stopped by a signal, cannot leave it behind): the folder goes at the end.
#
# What xvfb-run does and does not do:
# - -a takes the first display number that has no lock file in /tmp, and the next one
#   when another server gets there first: parallel runs never share a server.
# - -s replaces its default server arguments ("-screen 0 1280x1024x24") whole, so each
#   caller names its screen; "-nolisten tcp" and an -auth file are always added.
# - It runs the script once the server has said it is ready (SIGUSR1).
# - When the script ends it sends the server SIGTERM and does not wait for it.
#   Killed alone by a signal, it leaves the server running: stop the whole process
#   group instead, as Ctrl-C and CTest's timeout do.
on_xvfb() {
    if [ "${QUORBEL_ON_XVFB:-}" = 1 ]; then
        unset QUORBEL_ON_XVFB # whatever this run starts may want servers of its own
        export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$XVFB_DIR/runtime"
        mkdir -m 700 "$XDG_RUNTIME_DIR"
        return 0
    fi
    if ! command -v xvfb-run >/dev/null || ! command -v xauth >/dev/null; then
        echo "xvfb-run or xauth is missing: run scripts/install-deps.sh --test" >&2
        exit 1
    fi
    local status=0
    XVFB_DIR=$(mktemp -d "${TMPDIR:-/tmp}/quorbel-xvfb.XXXXXX")
    export XVFB_DIR
    trap 'rm -rf "$XVFB_DIR"' EXIT
    QUORBEL_ON_XVFB=1 xvfb-run -a -e "$XVFB_DIR/xvfb.log" -f "$XVFB_DIR/Xauthority" \
        -s "$1 -fbdir $XVFB_DIR" bash "$0" "${@:2}" || status=$?
    if [ "$status" -ne 0 ] && grep -q "Fatal server error" "$XVFB_DIR/xvfb.log"; then
        sed 's/^/  Xvfb: /' "$XVFB_DIR/xvfb.log" >&2
    fi
    exit "$status"
}
