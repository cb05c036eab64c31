#!/usr/bin/env bash
# Builds the release tarball in a clean chroot of a Debian release, as a distribution does,
# from the unpacked tarball with no git, and exits with the build's status. As root:
#     bash scripts/test-in-debian.sh 13         every test: the README's `bash scripts/test.sh`
#     bash scripts/test-in-debian.sh 13 play    only what playing needs installed: a plain
#                                               configure and build with -DBUILD_TESTING=OFF,
#                                               then the game must start
# The chroot is made with mmdebstrap from the Debian mirror this machine's apt already uses,
# with the packages of `scripts/install-deps.sh --test` (or, for play, of the play set) in
# it; the test run's install-deps.sh still installs any added since. It is kept in
# ${QUORBEL_CHROOT_CACHE:-/var/cache/quorbel}/debian-<release>[-play], and made again when it
# is missing or more than a week old. The tarball is scripts/release.sh's; in a tree with
# changes not yet committed, one of the same shape made of the files as they are now. Each
# run unpacks it afresh in /root/quorbel, left there until the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
release="${1:?usage: $0 <Debian release number, e.g. 13> [play]}"
mode="${2:-test}"
case $mode in
    test) sets=(--test) ;;
    play) sets=() ;;
    *) echo "usage: $0 <Debian release number> [play]" >&2; exit 2 ;;
esac
if [ "$(id -u)" -ne 0 ]; then
    echo "$0: chroot and mount need root" >&2
    exit 1
fi

apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 "$@"; }
tools=()
command -v mmdebstrap >/dev/null || tools+=(mmdebstrap)
[ -r /usr/share/distro-info/debian.csv ] || tools+=(distro-info-data)
if [ ${#tools[@]} -gt 0 ]; then
    apt_get update -qq
    apt_get install -y -qq --no-install-recommends "${tools[@]}"
fi

suite=$(awk -F, -v v="$release" '$1 == v { print $3 }' /usr/share/distro-info/debian.csv)
if [ -z "$suite" ]; then
    echo "$0: this machine's distro-info-data has no Debian $release" >&2
    exit 2
fi

# The mirrors apt uses for this machine's own release, and for its security updates.
host_suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
targets=$(apt-get indextargets --no-release-info --format '$(RELEASE) $(SITE)' \
    'Identifier: Packages')
mirror=$(awk -v s="$host_suite" '$1 == s { print $2; exit }' <<<"$targets")
security=$(awk -v s="$host_suite-security" '$1 == s { print $2; exit }' <<<"$targets")
if [ -z "$mirror" ]; then
    echo "$0: apt's sources name no mirror for '$host_suite'" >&2
    exit 1
fi

cache="${QUORBEL_CHROOT_CACHE:-/var/cache/quorbel}"
root="$cache/debian-$release"
[ "$mode" = play ] && root+=-play
stamp="$root.made"
mkdir -p "$cache"
# One run at a time per chroot: another waits here.
exec 9>"$root.lock"
flock 9

# Unmounts whatever is still mounted under the chroot, deepest first.
unmount_all() {
    local m
    for m in $(awk -v r="$root/" 'index($5, r) == 1 { print $5 }' /proc/self/mountinfo |
        sort -r); do
        umount "$m" 2>/dev/null || umount -l "$m"
    done
}
# Stops what the run left running inside the chroot (a daemon the tests started).
stop_leftovers() {
    local p
    for p in /proc/[0-9]*; do
        if [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ]; then
            kill "${p#/proc/}" 2>/dev/null || true
        fi
    done
}
cleanup() {
    stop_leftovers
    unmount_all
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
unmount_all # from a run that was killed outright

if [ ! -x "$root/bin/bash" ] || [ -z "$(find "$stamp" -mmin -$((7 * 24 * 60)) 2>/dev/null)" ]; then
    echo "Making the Debian $release ($suite) chroot in $root"
    start=$SECONDS
    rm -rf --one-file-system "$root.new" "$stamp"
    sources=("deb $mirror $suite main" "deb $mirror $suite-updates main")
    [ -n "$security" ] && sources+=("deb $security $suite-security main")
    mmdebstrap --quiet --variant=apt \
        --include="$(bash scripts/install-deps.sh ${sets[@]+"${sets[@]}"} --list | paste -sd,)" \
        --customize-hook='printf "#!/bin/sh\nexit 101\n" >"$1/usr/sbin/policy-rc.d"' \
        --customize-hook='chmod 755 "$1/usr/sbin/policy-rc.d"' \
        "$suite" "$root.new" "${sources[@]}"
    rm -rf --one-file-system "$root"
    mv "$root.new" "$root"
    touch "$stamp"
    echo "Made the chroot in $((SECONDS - start)) s"
fi

# Name resolution for install-deps.sh's apt-get inside.
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
for m in proc sys dev dev/pts dev/shm; do
    mount --bind "/$m" "$root/$m"
done

# The release tarball, or one of the same shape from a tree with uncommitted changes.
work=$(mktemp -d)
trap 'cleanup; rm -rf "$work"' EXIT
if git rev-parse --is-inside-work-tree >/dev/null 2>&1 && [ -n "$(git status --porcelain)" ]; then
    git ls-files -z --cached --others --exclude-standard |
        tar --null --ignore-failed-read -T - --transform 's|^|quorbel/|' -cJf "$work/tree.tar.xz" \
            2>/dev/null
else
    mv "$(bash scripts/release.sh "$work" | tail -n 1)" "$work/tree.tar.xz"
fi
rm -rf --one-file-system "$root/root/quorbel"
mkdir -p "$root/root/quorbel"
tar -xJf "$work/tree.tar.xz" --strip-components=1 -C "$root/root/quorbel"

if [ "$mode" = play ]; then
    # A packager's build: nothing but what the game itself needs, and no tests. The lines are
    # the README's own, as they stand, so that they cannot drift from what builds.
    lines=$(awk '/^### For packagers/ { on = 1 } on && /^    / { print substr($0, 5); seen = 1; next }
        seen { exit }' README.md)
    [ -n "$lines" ] || { echo "$0: the README has no packager lines" >&2; exit 1; }
    echo "Building the game alone in Debian $release ($suite) with the README's packager lines:"
    printf '%s\n' "$lines" >"$root/root/packager.sh"
    sed 's/^/    /' "$root/root/packager.sh"
    command='set -e; pkgdir=$PWD/staged; source /root/packager.sh
        QT_QPA_PLATFORM=offscreen timeout 3 staged/usr/bin/quorbel || [ $? -eq 124 ]
        echo "the game started from bin/ and ran until stopped"'
else
    echo "Running bash scripts/test.sh in Debian $release ($suite), from the tarball"
    command='bash scripts/test.sh'
fi
env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" \
    chroot "$root" /bin/bash -c "cd /root/quorbel && $command" </dev/null
