#!/usr/bin/env bash
# See the usage below.
set -euo pipefail
usage="Usage: scripts/fuzz.sh [SECONDS]
Fuzzes the machine with libFuzzer (preset fuzz, clang) for SECONDS (default 60) from the saved
seeds; any finding fails, and its input is left in build/fuzz/."
case "${1:-}" in
"" | [0-9]*) ;;
-h | --help) echo "$usage"; exit 0 ;;
*) echo "$usage" >&2; exit 2 ;;
esac
(($# <= 1)) || { echo "$usage" >&2; exit 2; }
cd "$(dirname "$0")/.."

seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target machine_fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/fuzz/corpus/* "$corpus/"
cd build/fuzz
log=fuzz.log
if ! tests/fuzz/machine_fuzz -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$PWD/" "$corpus" >"$log" 2>&1; then
    tail -40 "$log"
    echo "fuzz: FINDING, see the input above and in $PWD"
    exit 1
fi
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
echo "fuzz: $runs executions in $seconds s, no findings"
