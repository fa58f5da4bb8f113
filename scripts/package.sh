#!/usr/bin/env bash
# See the usage below.
set -euo pipefail
usage="Usage: scripts/package.sh
Installs what building and packaging need, builds the release and writes the Debian package
build/release/rechenmaschine_VERSION_ARCH.deb."
case "${1:-}" in
"") ;;
-h | --help) echo "$usage"; exit 0 ;;
*) echo "$usage" >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."
scripts/setup.sh --package
cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB)
