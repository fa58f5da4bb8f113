#!/usr/bin/env bash
# Builds and tests the project in a fresh Debian 13 ("trixie") root, made with debootstrap and
# entered with chroot, as a new user of Debian 13 would meet it: the README's set-up from a
# copy of the tree (no git needed), the debug build with every test, and the run command's
# build and start.
# Needs root (debootstrap, mount, chroot). The soak and the sanitizer, fuzzing and coverage
# runs are left to the main test command.
# Usage: scripts/debian13.sh [ROOT_DIR]   (an existing root is reused)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(realpath -m "${1:-build/debian13-root}")
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
    for ((k = ${#mounted[@]} - 1; k >= 0; k--)); do
        "${sudo[@]}" umount -l "${mounted[k]}" 2>/dev/null || true
    done
}
trap unmount EXIT
bind() { # source target [mount options...]
    mountpoint -q "$root$2" && return # left from an earlier run
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
ctest --preset debug
'
