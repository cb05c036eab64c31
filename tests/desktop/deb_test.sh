#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its control data and contents,
# then unpacks it into a scratch root and starts the game from there.
# usage: deb_test.sh <build dir> <expected file list> <scratch dir>
set -euo pipefail
build=$1 expected=$2 scratch=$3

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
[ "$(field Version)" = 1.0.0 ] || fail "Version is '$(field Version)'"
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
# Found by dpkg-shlibdeps from the binary, each with its minimum version ...
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
    depends_on "$lib" versioned || fail "Depends lacks $lib (>= version)"
done
# ... and added by hand: what the game loads at run time rather than links.
for pkg in qt6-qpa-plugins fonts-liberation; do
    depends_on "$pkg" || fail "Depends lacks $pkg"
done

if ! diff -u <(sed 's|^|usr/|' "$expected" | LC_ALL=C sort) \
    <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort); then
    fail "the package's files differ from $expected (- expected, + packaged)"
fi

root="$scratch/root"
dpkg -x "$deb" "$root"
game="$root/usr/bin/quorbel"
kind=$(file -b "$game")
[[ "$kind" == *", stripped"* ]] || fail "the packaged binary is not stripped: $kind"
if ldd "$game" | grep -q 'not found'; then fail "unresolved libraries: $(ldd "$game" | grep 'not found')"; fi
# Still running after two seconds: it started and opened its window.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 2 "$game" >"$scratch/run.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the unpacked game stopped with status $status: $(cat "$scratch/run.log")"

[ "$failed" -eq 0 ] && echo "package checks passed"
exit "$failed"
