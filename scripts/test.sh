#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the machine and window tests, the
# same under AddressSanitizer and UndefinedBehaviorSanitizer, a bounded fuzzing run, the
# coverage targets, the benchmark once (so it never rots), the soak of the real window, the
# build and suite in a fresh Debian 13 root, and the plain suite with the end-to-end system
# tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --tests

echo "== sanitizers"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

echo "== fuzzing"
scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

echo "== coverage"
scripts/coverage.sh

echo "== benchmark (numbers only, never a failure on time)"
scripts/bench.sh --runs 5 --keys 1000

echo "== soak"
cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset soak -V | grep -E "QINFO|Totals|tests passed|tests failed"

echo "== Debian 13 (a fresh root in build/debian13-root)"
scripts/debian13.sh

echo "== all tests"
cmake --preset debug >/dev/null
cmake --build --preset debug
ctest --preset debug
