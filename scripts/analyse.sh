#!/usr/bin/env bash
# The field's analysers over the game's sources: clang-tidy (.clang-tidy) and clazy, Qt's
# own analyser, at its levels 0 and 1. Each prints what it finds; any finding fails.
#   analyse.sh [build-dir]    (default build/default: configured and built, for its
#                              compile_commands.json and the headers moc writes)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/default}"
[ -f "$build/compile_commands.json" ] || {
    echo "no $build/compile_commands.json: configure and build first" >&2
    exit 2
}
mapfile -t sources < <(find src -name '*.cpp' | sort)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# One file a job, both cores busy; each job's output kept apart, then read in order. A job
# that finds something fails; what it found is counted below.
jobs=$(nproc)
printf '%s\n' "${sources[@]}" |
    xargs -P "$jobs" -I{} sh -c 'clang-tidy -p "$1" --quiet "$2" >"$3/tidy.$(echo "$2" | tr / _)" 2>&1' \
        _ "$build" {} "$out" || true
printf '%s\n' "${sources[@]}" |
    xargs -P "$jobs" -I{} sh -c 'clazy-standalone -p "$1" --checks=level0,level1 \
        --header-filter=/src/ "$2" >"$3/clazy.$(echo "$2" | tr / _)" 2>&1' _ "$build" {} "$out" || true

status=0
for tool in tidy clazy; do
    findings=$(cat "$out/$tool".* | grep -E '(warning|error):' | sort -u || true)
    count=$(printf '%s' "$findings" | grep -c . || true)
    name=$([ "$tool" = tidy ] && echo clang-tidy || echo clazy)
    echo "$name: $count findings over ${#sources[@]} files in src/"
    if [ "$count" -gt 0 ]; then
        printf '%s\n' "$findings"
        status=1
    fi
done
exit "$status"
