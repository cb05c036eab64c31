#!/bin/sh
# The newest release in CHANGELOG.md and in the metainfo is the version CMake builds.
# usage: version_test.sh <version> <source dir>
version=$1 src=$2
changelog=$(sed -n "s/^## \([0-9][^ ]*\) .*/\1/p" "$src/CHANGELOG.md" | head -n 1)
metainfo=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$src/data/io.github.quorbel.Quorbel.metainfo.xml" | head -n 1)
status=0
fail() {
    echo "FAIL: $*"
    status=1
}
[ "$changelog" = "$version" ] || fail "CHANGELOG.md's newest release is '$changelog', not $version"
[ "$metainfo" = "$version" ] || fail "the metainfo's newest release is '$metainfo', not $version"
[ "$status" -eq 0 ] && echo "version $version everywhere"
exit "$status"
