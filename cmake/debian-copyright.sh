#!/bin/sh
# Writes the package's copyright file in Debian's machine-readable form: the paragraphs
# that .reuse/dep5 keeps for the source tree, then each licence named there. GPL and CC0
# by reference to the copies every Debian system has; any other in full from LICENSES/.
# usage: debian-copyright.sh <.reuse/dep5> <LICENSES dir> <output>
set -eu
dep5=$1 texts=$2 out=$3
{
    cat "$dep5"
    for license in $(sed -n 's/^License: //p' "$dep5" | sort -u); do
        printf '\nLicense: %s\n' "$license"
        case $license in
        GPL-3.0-or-later) common=GPL-3 ;;
        CC0-1.0) common=CC0-1.0 ;;
        *) common="" ;;
        esac
        if [ -n "$common" ]; then
            printf ' On Debian systems the full text of this licence is in\n'
            printf ' /usr/share/common-licenses/%s.\n' "$common"
        else
            sed 's/^$/./; s/^/ /' "$texts/$license.txt"
        fi
    done
} >"$out"
