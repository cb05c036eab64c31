# Sourced by the start-up scripts: a private Xvfb on the first free display number,
# written once it is ready. Its screen lives in $work/Xvfb_screen0 for the frame
# watcher; the root is black. Needs $work; sets xvfb_pid and points Qt at the display.
start_xvfb() {
    Xvfb -displayfd 5 -screen 0 1024x768x24 -br -fbdir "$work" -nolisten tcp \
        5>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(cat "$work/display")"
    export QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}
