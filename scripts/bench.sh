#!/usr/bin/env bash
# Builds the release program and measures start-up, key-to-picture and peak memory against
# the floor window (docs/benchmarks.md). Reports numbers; never fails on time.
# Usage: scripts/bench.sh [--runs N] [--keys N]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target rechenmaschine_bench
build/release/bench/rechenmaschine_bench "$@"
