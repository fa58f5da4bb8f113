#!/usr/bin/env bash
# Builds and tests the project in a fresh Debian 13 ("trixie") root, made with debootstrap and
# entered with chroot, as a new user of Debian 13 would meet it.
set -euo pipefail
usage="Usage: scripts/debian13.sh [ROOT_DIR]
Makes a Debian 13 root with debootstrap (in ROOT_DIR, by default
/var/tmp/rechenmaschine-debian13; an existing one is reused) and in it, from a copy of this
tree without its builds: the README's set-up, the run command's build and start, and the debug
build with every test, Qt 6.8, GCC 14 and Orca 48 among them. Needs root or sudo (debootstrap,
mount, chroot); about 25 minutes on two cores, and 2.5 GB of disk outside the tree. Whatever
ends it, the root's mounts are undone."
case "${1:-}" in
-h | --help) echo "$usage"; exit 0 ;;
-*) echo "$usage" >&2; exit 2 ;;
esac
(($# <= 1)) || { echo "$usage" >&2; exit 2; }
cd "$(dirname "$0")/.."
root=$(realpath -m "${1:-/var/tmp/rechenmaschine-debian13}")
mirror=http://deb.debian.org/debian

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
if ! command -v debootstrap >/dev/null; then
    "${sudo[@]}" apt-get install -y --no-install-recommends debootstrap >/dev/null
fi
if [[ ! -f "$root/etc/debian_version" ]]; then
    echo "== debootstrap trixie into $root"
    "${sudo[@]}" debootstrap --variant=minbase trixie "$root" "$mirror" >"$root.log" 2>&1 ||
        { tail -20 "$root.log"; exit 1; }
fi

mounted=()
unmount() {
    # What the suite started in the root (a display, a message bus, a browser) holds its
    # mounts: ended first.
    for proc in /proc/[0-9]*; do
        if [[ "$("${sudo[@]}" readlink "$proc/root" 2>/dev/null)" == "$root" ]]; then
            "${sudo[@]}" kill -9 "${proc#/proc/}" 2>/dev/null || true
        fi
    done
    for ((k = ${#mounted[@]} - 1; k >= 0; k--)); do
        "${sudo[@]}" umount -l "${mounted[k]}" 2>/dev/null || true
    done
}
trap unmount EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP
bind() { # source target [mount options...]
    if mountpoint -q "$root$2"; then # left from an earlier run: undone at the end too
        mounted+=("$root$2")
        return
    fi
    "${sudo[@]}" mount "${@:3}" "$1" "$root$2"
    mounted+=("$root$2")
}
bind proc /proc -t proc
bind sysfs /sys -t sysfs
bind /dev /dev --bind
bind /dev/pts /dev/pts --bind
bind tmpfs /dev/shm -t tmpfs
"${sudo[@]}" cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

# The tree as it stands, without its builds: a clone and a downloaded copy alike, no git needed.
"${sudo[@]}" rm -rf "$root/src"
"${sudo[@]}" mkdir "$root/src"
tar --exclude=./build --exclude=./.git -cf - . | "${sudo[@]}" tar -C "$root/src" -xf -

# The script in single quotes is expanded by the shell in the root, not by this one.
# shellcheck disable=SC2016
"${sudo[@]}" chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 CI="${CI:-}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin bash -euo pipefail -c '
cd /src
. /etc/os-release && echo "== $PRETTY_NAME"
scripts/setup.sh --tests >/tmp/setup.log 2>&1 || { tail -30 /tmp/setup.log; exit 1; }
echo "== the run command builds the program and starts it"
xvfb-run -a bash -c "
    scripts/run.sh >/tmp/run.log 2>&1 &
    pid=\$!
    for _ in \$(seq 600); do
        kill -0 \$pid 2>/dev/null || break
        xdotool search --name \"Rechenmaschine von 1623\" >/dev/null 2>&1 && { kill \$pid; exit 0; }
        sleep 0.5
    done
    tail -30 /tmp/run.log; echo \"FAIL: the run command showed no window\"; exit 1"
echo "== build and every test"
cmake --preset debug >/dev/null
cmake --build --preset debug 2>&1 | grep -E "warning|error" && { echo "FAIL: warnings"; exit 1; }
ctest --preset debug -j2
'
