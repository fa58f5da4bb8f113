#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test of the project on this machine.
set -euo pipefail
stages=(sanitizers fuzzing coverage bench soak suite)
usage="Usage: scripts/test.sh [--skip STAGE,...]
Installs what the tests need (scripts/setup.sh --tests: about 350 packages, 400 MB to download,
2 GB of disk, as root or with sudo), then runs every test of the project, in stages:
  sanitizers  the machine, window and style tests under AddressSanitizer and UBSan
  fuzzing     the machine's libFuzzer target for a minute (FUZZ_SECONDS)
  coverage    line and branch coverage of machine/ and window/ against their targets
  bench       the benchmark once, numbers only (never a failure on time)
  soak        100,000 random keys through the real window
  suite       the whole suite: the window and the page in three browsers, the screen
              reader, the package, Wayland; it ends with ctest's summary line
About 20 minutes on two cores, and 5 more to install the packages. The same in a fresh
Debian 13 root is a command of its own: scripts/debian13.sh."
skip=,
while (($#)); do
    case "$1" in
    --skip)
        [[ $# -ge 2 ]] || { echo "$usage" >&2; exit 2; }
        skip=",$2,"
        shift 2
        ;;
    -h | --help) echo "$usage"; exit 0 ;;
    *) echo "$usage" >&2; exit 2 ;;
    esac
done
for s in ${skip//,/ }; do
    [[ " ${stages[*]} " == *" $s "* ]] || { echo "test.sh: no stage '$s'" >&2; exit 2; }
done
cd "$(dirname "$0")/.."
run() { [[ "$skip" != *",$1,"* ]]; }

missing=$(scripts/setup.sh --tests --missing)
if [[ -n "$missing" ]]; then
    echo "== installing $(wc -w <<<"$missing") packages first: $missing"
fi
echo "== stages: ${stages[*]}; about 20 minutes on two cores"
scripts/setup.sh --tests

if run sanitizers; then
    echo "== sanitizers"
    cmake --preset asan >/dev/null
    cmake --build --preset asan
    ctest --preset asan -j2
fi
if run fuzzing; then
    echo "== fuzzing"
    scripts/fuzz.sh "${FUZZ_SECONDS:-60}"
fi
if run coverage; then
    echo "== coverage"
    scripts/coverage.sh
fi
if run bench; then
    echo "== benchmark (numbers only, never a failure on time)"
    # That it runs: two engines do; the suite tries all three.
    scripts/bench.sh --runs 2 --keys 300 --engines chromium,webkit
fi
if run soak; then
    echo "== soak"
    cmake --preset release >/dev/null
    cmake --build --preset release
    ctest --preset soak -V | grep -E "QINFO|Totals|tests passed|tests failed"
fi
if run suite; then
    echo "== all tests"
    cmake --preset debug >/dev/null
    cmake --build --preset debug
    # Two at a time: the tests that need a display or the screen reader hold a lock of their own.
    ctest --preset debug -j2
fi
