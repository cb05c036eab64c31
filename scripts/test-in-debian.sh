#!/usr/bin/env bash
# Runs the README's test command, `bash scripts/test.sh`, in a clean chroot of another Debian
# release, as a new user there would, and exits with its status. As root:
#     bash scripts/test-in-debian.sh 13
# The chroot is made with mmdebstrap from the Debian mirror this machine's apt already uses,
# with git and the packages of scripts/install-deps.sh in it (which still runs inside and
# installs any added since). It is kept in
# ${QUORBEL_CHROOT_CACHE:-/var/cache/quorbel}/debian-<release>, and made again when it is
# missing or more than a week old. Each run gets a fresh copy of the source tree, without
# build output, in /root/quorbel, left there until the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
release="${1:?usage: $0 <Debian release number, e.g. 13>}"
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
        --include="$(bash scripts/install-deps.sh --list | paste -sd,),git" \
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

rm -rf --one-file-system "$root/root/quorbel"
mkdir -p "$root/root/quorbel"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # Tracked and new files, as they are now; not what .gitignore keeps out (build output).
    git ls-files -z --cached --others --exclude-standard |
        tar --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -xf - -C "$root/root/quorbel"
else
    tar --exclude='./build*' -cf - . | tar -xf - -C "$root/root/quorbel"
fi

# In a git repository, as in a clone, so that what follows .gitignore (reuse lint) passes
# over the build output.
echo "Running bash scripts/test.sh in Debian $release ($suite)"
env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" \
    chroot "$root" /bin/bash -c 'cd /root/quorbel && git init -q && bash scripts/test.sh' </dev/null
