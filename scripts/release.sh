#!/usr/bin/env bash
# Makes the release tarball, quorbel-<version>.tar.xz, of exactly the files git tracks at
# HEAD, in a folder quorbel-<version>/. The version is the one CMakeLists.txt gives.
# The tree must be clean: what is not committed is not released.
#   bash scripts/release.sh [output folder, default .]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath "${1:-.}")
version=$(sed -n 's/^project(quorbel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "$0: no version in CMakeLists.txt" >&2; exit 1; }
if [ -n "$(git status --porcelain)" ]; then
    echo "$0: the tree has changes that are not committed:" >&2
    git status --short >&2
    exit 1
fi
name=quorbel-$version
mkdir -p "$out"
git archive --format=tar --prefix="$name/" HEAD | xz -9 >"$out/$name.tar.xz.part"
mv "$out/$name.tar.xz.part" "$out/$name.tar.xz"
echo "$out/$name.tar.xz"
