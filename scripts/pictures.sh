#!/usr/bin/env bash
# See the usage below.
set -euo pipefail
usage="Usage: scripts/pictures.sh
Records the reference pictures of the window (tests/window/pictures/qtMAJOR.MINOR/) for the Qt
found here, at scale factors 1 and 2. Run it when a change of the window's look is intended,
and look at the pictures before committing them."
case "${1:-}" in
"") ;;
-h | --help) echo "$usage"; exit 0 ;;
*) echo "$usage" >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."

cmake --preset debug >/dev/null
cmake --build --preset debug --target picture_test
for factor in 1 2; do
    RECHENMASCHINE_WRITE_PICTURES=1 QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$factor \
        build/debug/tests/window/picture_test | grep -E "wrote|FAIL"
done
