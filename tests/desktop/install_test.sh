#!/usr/bin/env bash
# Installs the build into a scratch root and checks what lands where: the file
# list, and that launcher, icons, metainfo and man page hold together there.
# usage: install_test.sh <build dir> <expected file list> <scratch dir>
set -euo pipefail
build=$1 expected=$2 scratch=$3
id=io.github.quorbel.Quorbel

rm -rf "$scratch"
mkdir -p "$scratch"
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >"$scratch/install.log"
usr="$scratch/root/usr"
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

if ! diff -u <(LC_ALL=C sort "$expected") \
    <(cd "$usr" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort); then
    fail "installed files differ from $expected (- expected, + installed)"
fi

file -b "$usr/bin/quorbel" | grep -q '^ELF.*executable' || fail "bin/quorbel is not an executable"
[ -x "$usr/bin/quorbel" ] || fail "bin/quorbel has no execute bit"

# Each PNG is as large as the folder it sits in says.
for png in "$usr"/share/icons/hicolor/*x*/apps/"$id".png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    file -b "$png" | grep -q "PNG image data, ${size/x/ x }," ||
        fail "$png is not a ${size} PNG: $(file -b "$png")"
done

launcher="$usr/share/applications/$id.desktop"
desktop-file-validate "$launcher" || fail "desktop-file-validate rejects the installed launcher"
icon=$(sed -n 's/^Icon=//p' "$launcher")
[ -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no installed icon named $icon"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$launcher")
# Found on every PATH, in bin/.
[ -x "$usr/bin/$exec_name" ] || fail "the launcher runs $exec_name, which is not installed"

metainfo="$usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 ||
    fail "appstreamcli rejects the installed metainfo: $(cat "$scratch/appstream.log")"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"

man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man6/quorbel.6.gz" 2>&1 >"$scratch/man.txt")
[ -z "$man_warnings" ] || fail "the man page renders with warnings: $man_warnings"
grep -q 'quorbel - ' "$scratch/man.txt" || fail "the man page has no NAME line"

[ "$failed" -eq 0 ] && echo "installed $(wc -l <"$expected") files, all in place"
exit "$failed"
