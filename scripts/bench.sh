#!/usr/bin/env bash
# Measures the desktop program (release build) against its floor window at scale factors 1, 2
# and 3, then the web edition in Chromium and WebKitGTK against an empty page with the same font
# (docs/benchmarks.md). Reports numbers; never fails on time.
# Usage: scripts/bench.sh [--runs N] [--keys N]   (--runs: start-ups and page loads of each)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=20
keys=2000
while (($#)); do
    case "$1" in
    --runs) runs=$2; shift 2 ;;
    --keys) keys=$2; shift 2 ;;
    *) echo "usage: scripts/bench.sh [--runs N] [--keys N]" >&2; exit 2 ;;
    esac
done

scripts/setup.sh --tests
cmake --preset release >/dev/null
cmake --build --preset release --target rechenmaschine_bench
build/release/bench/rechenmaschine_bench --runs "$runs" --keys "$keys"

echo
cmake --preset wasm >/dev/null
cmake --build --preset wasm
# WebKit's browser is a window: a virtual display of its own.
xvfb-run -a -s "-screen 0 1600x1400x24" /usr/bin/python3 bench/web_bench.py build/wasm/web/site --runs "$runs"
