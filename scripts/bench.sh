#!/usr/bin/env bash
# See the usage below.
set -euo pipefail
usage="Usage: scripts/bench.sh [--runs N] [--keys N] [--engines LIST]
Measures the desktop program against its floor window at scale factors 1, 2 and 3, then the web
edition in Chromium, Firefox and WebKitGTK against its floor (docs/benchmarks.md). Reports
numbers; never fails on time.
  --runs N   start-ups of each (default 20); page loads of each in three sets of N/2, so the
             median of 30 loads by default
  --keys N   key presses measured in the desktop program (default 2000; the page: 300)
  --engines LIST  the web edition's browsers, comma-separated (default
             chromium,firefox,webkit,webkit+compositing)"
cd "$(dirname "$0")/.."

runs=20
keys=2000
engines=chromium,firefox,webkit,webkit+compositing
while (($#)); do
    case "$1" in
    --runs | --keys)
        [[ $# -ge 2 && "$2" =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }
        if [[ "$1" == --runs ]]; then runs=$2; else keys=$2; fi
        shift 2
        ;;
    --engines)
        [[ $# -ge 2 && "$2" =~ ^(chromium|firefox|webkit|webkit\+compositing)(,(chromium|firefox|webkit|webkit\+compositing))*$ ]] ||
            { echo "$usage" >&2; exit 2; }
        engines=$2
        shift 2
        ;;
    -h | --help) echo "$usage"; exit 0 ;;
    *) echo "$usage" >&2; exit 2 ;;
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
xvfb-run -a -s "-screen 0 1600x1400x24" /usr/bin/python3 bench/web_bench.py build/wasm/web/site \
    --runs $(((runs + 1) / 2)) --engines "$engines"
