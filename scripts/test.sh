#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --tests
cmake --preset debug
cmake --build --preset debug
ctest --preset debug
