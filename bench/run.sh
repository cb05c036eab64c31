#!/usr/bin/env bash
# Builds and runs every benchmark and prints the figures: the game core, the real
# widgets (offscreen), then start-up and memory against a bare Qt window under Xvfb.
#
#   bash bench/run.sh [runs]     (start-up runs per program; default 30)
#
# BENCH_ARGS passes options to both Google Benchmark programs (default: three
# repetitions, of which the median is shown). The figures are not checked: nothing here
# fails on time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test
cmake --preset default >/dev/null
cmake --build --preset default --target quorbel quorbel_floor quorbel_frame_watch \
    quorbel_core_bench quorbel_widgets_bench
build=build/default
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d)"  # Qt wants one, private to the user
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
read -r -a args <<<"${BENCH_ARGS:---benchmark_repetitions=3 --benchmark_report_aggregates_only=true}"

echo
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
echo "date: $(date -u +%Y-%m-%d), load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "== the game core (no toolkit): ns per call, allocations per call"
"$build/bench/quorbel_core_bench" "${args[@]}" | sed -E '/_(mean|stddev|cv) /d'
echo
echo "== the real widgets, offscreen: us per event, widgets touched"
"$build/bench/quorbel_widgets_bench" "${args[@]}" | sed -E '/_(mean|stddev|cv) /d'
echo
echo "== start-up and memory against the floor, under Xvfb"
bash bench/startup.sh "$build" "${1:-30}"
