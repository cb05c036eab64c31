#!/usr/bin/env bash
# Builds the event fuzzer with its preset (clang, in build/fuzz) and runs it for a fixed
# number of inputs, starting from the committed seeds. FUZZ_RUNS and FUZZ_SEED change the run.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build/fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
# New inputs go to the first directory, so the committed seeds stay as they are.
mkdir -p "$dir/corpus"
"$dir/fuzz/quorbel_fuzz" -runs="${FUZZ_RUNS:-200000}" -seed="${FUZZ_SEED:-1}" -max_len=512 \
    -print_final_stats=1 "$dir/corpus" fuzz/corpus
