#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
usage="Usage: scripts/run.sh
Installs what is missing (scripts/setup.sh), builds the program in build/release and starts it.
Afterwards 'cmake --install build/release --prefix ~/.local' installs it for one user."
case "${1:-}" in
"") ;;
-h | --help) echo "$usage"; exit 0 ;;
*) echo "$usage" >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
# The program and what installing it takes besides (the compressed manual page and changelog).
cmake --build --preset release --target rechenmaschine packaging_docs
exec build/release/app/rechenmaschine
