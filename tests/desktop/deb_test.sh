#!/usr/bin/env bash
# Builds the Debian package with CPack, has lintian check it and checks its control data
# and contents, then unpacks it into a scratch root and starts the game from there.
# usage: deb_test.sh <build dir> <expected file list> <scratch dir> <version>
set -euo pipefail
build=$1 expected=$2 scratch=$3 version=$4

rm -rf "$scratch"
mkdir -p "$scratch"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 || {
    cat "$scratch/cpack.log" >&2
    exit 1
}
debs=("$scratch"/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: expected one .deb in $scratch, found: ${debs[*]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "built $(basename "$deb"), $(stat -c %s "$deb") bytes"
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorbel ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
depends=$(field Depends)
echo "Depends: $depends"
# Whether Depends names package $1; with a second argument, at a minimum version.
depends_on() {
    local entry
    IFS=',' read -ra entries <<<"$depends"
    for entry in "${entries[@]}"; do
        entry=${entry# }
        [ "${entry%% *}" = "$1" ] || continue
        [ $# -eq 1 ] || [[ "$entry" == "$1 (>= "*")" ]]
        return
    done
    return 1
}
# Found by dpkg-shlibdeps from the binary, each with its minimum version (under its
# 64-bit time_t name where the release has one, libqt6core6t64) ...
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
    depends_on "$lib" versioned || depends_on "${lib}t64" versioned ||
        fail "Depends lacks $lib (>= version)"
done
# ... and added by hand: what the game loads at run time rather than links.
for pkg in qt6-qpa-plugins fonts-liberation; do
    depends_on "$pkg" || fail "Depends lacks $pkg"
done
[ "$(field Recommends)" = qt6-wayland ] || fail "Recommends is '$(field Recommends)', not qt6-wayland"

# No error and no warning; the remaining tags (info) are printed for the log.
if ! lintian --fail-on error,warning --display-info "$deb" >"$scratch/lintian.log" 2>&1; then
    fail "lintian: $(cat "$scratch/lintian.log")"
fi
sed 's/^/lintian: /' "$scratch/lintian.log"
# Optimised builds carry the hardening flags (Debug builds go without).
if ! grep -qx 'CMAKE_BUILD_TYPE:STRING=Debug' "$build/CMakeCache.txt" &&
    grep -q 'hardening-no-' "$scratch/lintian.log"; then
    fail "the program lacks hardening: $(grep 'hardening-no-' "$scratch/lintian.log")"
fi

# As installed, but the program in /usr/games, where Debian keeps games.
if ! diff -u <(sed 's|^bin/|games/|; s|^|usr/|' "$expected" | LC_ALL=C sort) \
    <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort); then
    fail "the package's files differ from $expected (- expected, + packaged)"
fi

root="$scratch/root"
dpkg -x "$deb" "$root"
doc="$root/usr/share/doc/quorbel"
metainfo="$root/usr/share/metainfo/io.github.quorbel.Quorbel.metainfo.xml"

# One contact everywhere: the package, the metainfo, the copyright file.
tag() { sed -n "s|.*<$1>\(.*\)</$1>.*|\1|p" "$metainfo"; }
maintainer=$(field Maintainer)
[ "$maintainer" = "$(tag developer_name) <$(tag update_contact)>" ] ||
    fail "Maintainer '$maintainer' is not the metainfo's developer and contact"
grep -qxF "Upstream-Contact: $maintainer" "$doc/copyright" ||
    fail "the copyright file's Upstream-Contact is not '$maintainer'"

# The changelog lists the metainfo's releases, the newest being the package's version.
releases=$(gunzip -c "$doc/changelog.gz" | awk '
    /^[a-z0-9]/ { sub(/^[^(]*\(/, ""); sub(/\).*/, ""); version = $0 }
    /^ -- / { sub(/.*>  /, ""); command = "date -u -d \"" $0 "\" +%F"; command | getline date; close(command); print version, date }')
from_metainfo=$(sed -n 's|.*<release version="\([^"]*\)" date="\([^"]*\)".*|\1 \2|p' "$metainfo")
[ "$releases" = "$from_metainfo" ] ||
    fail "the changelog's releases ($releases) are not the metainfo's ($from_metainfo)"
[ "${releases%% *}" = "$(field Version)" ] || fail "the changelog's newest release is not the package's version"

game="$root/usr/games/quorbel"
kind=$(file -b "$game")
[[ "$kind" == *", stripped"* ]] || fail "the packaged binary is not stripped: $kind"
if ldd "$game" | grep -q 'not found'; then fail "unresolved libraries: $(ldd "$game" | grep 'not found')"; fi
# Still running after two seconds: it started and opened its window.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 2 "$game" >"$scratch/run.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the unpacked game stopped with status $status: $(cat "$scratch/run.log")"

[ "$failed" -eq 0 ] && echo "package checks passed"
exit "$failed"
