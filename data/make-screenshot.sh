#!/usr/bin/env bash
# Takes data/screenshot.png, the picture of the game in the README and the AppStream
# metainfo: the dice end-to-end test's window after a second roll with dice 1 and 4
# held. Needs what scripts/install-deps.sh installs.
# usage: data/make-screenshot.sh [build dir, default build/default]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target quorbel
rm -f data/screenshot.png
QUORBEL_SCREENSHOT_OUT="$PWD/data/screenshot.png" \
    ctest --test-dir "$build" -R '^e2e\.dice$' --output-on-failure
[ -s data/screenshot.png ] || {
    echo "the dice test left no screenshot" >&2
    exit 1
}
echo "wrote data/screenshot.png"
