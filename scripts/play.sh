#!/usr/bin/env bash
# Sets up what building and playing need, builds the game alone and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset play >/dev/null
cmake --build --preset play
exec ./build/play/src/qt/quorbel
