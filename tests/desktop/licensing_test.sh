#!/usr/bin/env bash
# Every file in the source tree says its licence, in itself or in .reuse/dep5 (reuse lint).
# From a git clone reuse reads the tracked files; from a release tarball it would read
# every file, so it reads a copy without the build directories.
# usage: licensing_test.sh <source dir> <build dir> <scratch dir>
set -euo pipefail
src=$(realpath "$1") build=$(realpath "$2") scratch=$3
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    exec reuse --root "$src" lint
fi
rm -rf "$scratch"
mkdir -p "$scratch/tree"
excludes=(--exclude=./build)
case "$build" in "$src"/*) excludes+=("--exclude=./${build#"$src"/}") ;; esac
tar -C "$src" "${excludes[@]}" -cf - . | tar -C "$scratch/tree" -xf -
reuse --root "$scratch/tree" lint
