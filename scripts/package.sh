#!/usr/bin/env bash
# Builds the Debian package on Debian or Ubuntu: installs what building and packaging need,
# builds the release and writes build/release/rechenmaschine_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --package
cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB)
