#!/usr/bin/env bash
# Builds with gcov, runs the tests and prints line and branch coverage of machine/ and window/.
# Fails when machine/ is below 100 % of lines or 95 % of branches, or window/ below 90 % of lines.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset coverage >/dev/null
cmake --build --preset coverage
find build/coverage -name '*.gcda' -delete
ctest --preset coverage

report() { # folder, line target, branch target
    echo "== coverage of $1/"
    gcovr --root . --filter "$1/" build/coverage --exclude-throw-branches \
        --exclude-unreachable-branches --print-summary \
        --fail-under-line "$2" --fail-under-branch "$3" | tail -3
}
report machine 100 95
report window 90 0
echo "coverage targets met"
