#!/usr/bin/env bash
# Installs the Debian packages the build needs, and nothing when all are there.
# Usage: setup.sh [--web | --package | --tests]   --web: also the web edition's; --package: also
# what building the Debian package needs; --tests: also every test's
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config clang-format
    qt6-base-dev qt6-qpa-plugins fonts-liberation2
    libgtest-dev
)
if [[ "${1:-}" == "--web" || "${1:-}" == "--tests" ]]; then
    packages+=(emscripten nodejs googletest python3 python3-fonttools python3-brotli)
fi
if [[ "${1:-}" == "--package" ]]; then
    packages+=(dpkg-dev file)
fi
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(
        chromium chromium-driver python3-selenium python3-numpy firefox-esr python3-websocket
        webkit2gtk-driver
        xvfb xauth xdotool imagemagick dbus at-spi2-core python3-pyatspi
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
