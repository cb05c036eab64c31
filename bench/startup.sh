#!/usr/bin/env bash
# Start-up and memory of the game against the floor (a bare Qt window with one label):
# from process start until the window is mapped, and until its first frame is on the
# screen; then the memory in use (Pss) once it has settled. Runs alternate between the
# two programs under a private Xvfb; prints the median and range of each, and the
# median of the run-by-run ratios game / floor.
#
#   bench/startup.sh [build-dir] [runs]      (defaults: build/default, 30)
set -euo pipefail
# shellcheck source=scripts/xvfb.sh
source "$(dirname "$0")/../scripts/xvfb.sh"
on_xvfb "-screen 0 1024x768x24 -br" "$@"  # a black root, which no window is
cd "$(dirname "$0")/.."
build="${1:-build/default}"
runs="${2:-30}"
game="$build/src/qt/quorbel"
floor="$build/bench/quorbel_floor"
watcher="$build/bench/quorbel_frame_watch"
for program in "$game" "$floor" "$watcher"; do
    [ -x "$program" ] || { echo "missing $program: build it first" >&2; exit 1; }
done

work="$(mktemp -d)"
xev_pid=""
cleanup() {
    [ -z "$xev_pid" ] || kill "$xev_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# With no window manager, every top-level window maps as a child of the root window:
# xev reports each MapNotify the moment the server has mapped it.
exec {events}< <(exec stdbuf -oL xev -root -event substructure)
xev_pid=$!
sleep 0.3

micros() { local t="${1/./}"; echo "$((10#$t))"; }  # $EPOCHREALTIME in microseconds

pss() { awk '/^Pss:/ { print $2 }' "/proc/$1/smaps_rollup"; }

# The first frame is there when the window's bottom right corner, which nothing covers,
# shows the window's background colour.
frame_x=390
frame_y=380
game_colour=ffff00   # yellow
floor_colour=efefef  # the Fusion style's window colour

# Runs one program; sets map_ms and frame_ms (from process start until the window is
# mapped and until its first frame is on the screen) and kb (settled Pss in KiB).
measure() {
    local program="$1" colour="$2" line ready="" watch
    while read -r -t 0.01 -u "$events" line; do :; done  # what the last run left behind
    for _ in $(seq 40); do  # until the last window has gone from the screen
        exec {watch}< <(exec "$watcher" "$XVFB_DIR/Xvfb_screen0" "$frame_x" "$frame_y" "$colour")
        read -r -t 5 -u "$watch" ready || true
        [ "$ready" = ready ] && break
        exec {watch}<&-
        sleep 0.05
    done
    [ "$ready" = ready ] || { echo "the frame watcher did not start" >&2; exit 1; }
    local start mapped frame pid
    start="$(micros "$EPOCHREALTIME")"
    "$program" >/dev/null 2>&1 &
    pid=$!
    while :; do
        read -r -t 20 -u "$events" line || { echo "$program mapped no window" >&2; exit 1; }
        [[ $line == MapNotify* ]] && break
    done
    mapped="$(micros "$EPOCHREALTIME")"
    read -r -t 20 -u "$watch" frame || { echo "$program drew no frame" >&2; exit 1; }
    exec {watch}<&-
    map_ms="$(awk -v us="$((mapped - start))" 'BEGIN { printf "%.2f", us / 1000 }')"
    frame_ms="$(awk -v us="$((frame - start))" 'BEGIN { printf "%.2f", us / 1000 }')"
    # Settled: the same Pss three samples in a row, 100 ms apart (3 s at most).
    local previous=-1 same=0 now
    for _ in $(seq 30); do
        sleep 0.1
        now="$(pss "$pid")"
        if [ "$now" = "$previous" ]; then
            same=$((same + 1))
            [ "$same" -ge 2 ] && break
        else
            same=0
        fi
        previous="$now"
    done
    kb="$now"
    uss="$(awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb }' "/proc/$pid/smaps_rollup")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

echo "start-up and memory: $runs runs each, alternated; load average $(cut -d' ' -f1-3 /proc/loadavg)"
# Two runs each to warm the caches, not counted.
for _ in 1 2; do measure "$floor" "$floor_colour"; measure "$game" "$game_colour"; done

# One line a pair of runs: map, frame, Pss and private memory of the floor, then the game.
: >"$work/runs"
run_floor() { measure "$floor" "$floor_colour"; f="$map_ms $frame_ms $kb $uss"; }
run_game() { measure "$game" "$game_colour"; g="$map_ms $frame_ms $kb $uss"; }
for i in $(seq "$runs"); do
    # Alternate which one goes first, so neither always finds the caches the other left.
    if [ $((i % 2)) -eq 1 ]; then run_floor; run_game; else run_game; run_floor; fi
    echo "$f $g" >>"$work/runs"
done
if [ -n "${STARTUP_RUNS_FILE:-}" ]; then cp "$work/runs" "$STARTUP_RUNS_FILE"; fi

# Median and range of a column of numbers.
stats() { sort -g | awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "median %8.3f   min %8.3f   max %8.3f\n", m, v[1], v[NR] }'; }

# Floor column $1, game column $2, each scaled by $3.
report() {
    echo "  floor    $(awk -v c="$1" -v s="$3" '{ print $c / s }' "$work/runs" | stats)"
    echo "  quorbel  $(awk -v c="$2" -v s="$3" '{ print $c / s }' "$work/runs" | stats)"
    echo "  ratio    $(awk -v f="$1" -v g="$2" '{ print $g / $f }' "$work/runs" | stats)"
}
echo "start-up, process start to window mapped (ms):"
report 1 5 1
echo "start-up, process start to first frame on the screen (ms):"
report 2 6 1
echo "memory in use once settled, Pss (MiB):"
report 3 7 1024
echo "private memory once settled, Private_Clean + Private_Dirty (MiB):"
report 4 8 1024
echo "load average afterwards $(cut -d' ' -f1-3 /proc/loadavg)"
