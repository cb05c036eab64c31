#!/bin/sh
# Writes the releases in CHANGELOG.md as a Debian changelog, newest first, as a native
# package carries it. A release there is a heading "## VERSION - YYYY-MM-DD" and a list
# of changes, an item a "- " line, continued on indented lines. Items are wrapped to fit
# Debian's 80 columns.
# usage: debian-changelog.sh <CHANGELOG.md> <package> <maintainer> <output>
set -eu
awk -v package="$2" -v maintainer="$3" '
function fail(message) {
    print message > "/dev/stderr"
    failed = 1
    exit 1
}
# Prints the item gathered so far, wrapped: "  * " on its first line, "    " after.
function put_item(    n, word, i, line) {
    n = split(item, word, " ")
    line = "  *"
    for (i = 1; i <= n; i++) {
        if (length(line) + 1 + length(word[i]) > 80) {
            print line
            line = "   "
        }
        line = line " " word[i]
    }
    if (n) print line
    item = ""
}
function sign_off(    stamp, command) {
    put_item()
    if (version == "") return
    command = "date -u -R -d " date
    if ((command | getline stamp) <= 0 || close(command) != 0)
        fail("no date in the heading of release " version)
    printf "\n -- %s  %s\n", maintainer, stamp
}
/^## / {
    sign_off()
    if (split(substr($0, 4), part, / - /) != 2 ||
        part[2] !~ /^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$/)
        fail("not a release heading: " $0)
    version = part[1]
    date = part[2]
    printf "%s%s (%s) unstable; urgency=medium\n\n", (releases++ ? "\n" : ""), package, version
    next
}
version == "" || /^$/ { next }
/^- / { put_item(); item = substr($0, 3); next }
/^  +[^ ]/ && item != "" { item = item " " $0; next }
{ fail("unexpected line in release " version ": " $0) }
END {
    if (failed) exit 1
    if (!releases) fail("no release in the changelog")
    sign_off()
}
' "$1" >"$4"
