#!/usr/bin/env bash
# Fuzzes the machine with libFuzzer for a bounded time (default 60 s) from the saved seeds.
# Prints the number of executions; any finding fails, and the input is left in build/fuzz/.
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
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
