#!/usr/bin/env bash
# Installs the Debian packages a task needs, and nothing when all are there.
set -euo pipefail
usage="Usage: scripts/setup.sh [--web | --package | --tests] [--missing]
Installs the Debian packages that building and starting the program needs (as root, or with
sudo), and nothing when all are there.
  --web       also those of the web edition (emscripten, node, the font tools)
  --package   also those of the Debian package (dpkg-dev, file)
  --tests     also those of every test: the browsers, the screen reader, the sanitizers' and
              the fuzzer's compiler, the virtual displays (about 350 packages, 400 MB to
              download, 2 GB of disk)
  --missing   only print the packages that are missing, one line, and install nothing"
kind=
missing_only=
for arg in "$@"; do
    case "$arg" in
    --web | --package | --tests) kind=$arg ;;
    --missing) missing_only=1 ;;
    -h | --help) echo "$usage"; exit 0 ;;
    *) echo "$usage" >&2; exit 2 ;;
    esac
done

# xvfb and xauth give xvfb-run, which the program names where it finds no display.
packages=(
    cmake ninja-build g++ pkg-config clang-format
    qt6-base-dev qt6-qpa-plugins fonts-liberation2
    libgtest-dev xvfb xauth
)
if [[ "$kind" == "--web" || "$kind" == "--tests" ]]; then
    packages+=(emscripten nodejs googletest python3 python3-fonttools python3-brotli)
fi
if [[ "$kind" == "--package" ]]; then
    packages+=(dpkg-dev file)
fi
if [[ "$kind" == "--tests" ]]; then
    packages+=(
        chromium chromium-driver python3-selenium python3-numpy firefox-esr python3-websocket
        webkit2gtk-driver
        xdotool imagemagick dbus at-spi2-core python3-pyatspi
        orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
        clang libclang-rt-dev gcovr strace x11-xkb-utils flake8 shellcheck
        desktop-file-utils appstream dpkg-dev file lintian
        weston qt6-wayland
    )
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [[ -n "$missing_only" ]]; then
    echo "${missing[*]}"
    exit 0
fi
if ((${#missing[@]} == 0)); then
    exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "setup.sh: installing ${missing[*]} needs root: run this as root, or install sudo first." >&2
        exit 1
    fi
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
