#!/usr/bin/env bash
# See the usage below.
set -euo pipefail
usage="Usage: scripts/lesson_pictures.sh
Writes the exercises into the teachers' sheet docs/unterricht.md and takes a picture of the
window for each of their steps, as the model solution leaves it, from the page built by the
wasm preset in headless Chromium (docs/unterricht/). Run it when the exercises change; the
style test fails while the sheet's exercises are not the machine's."
case "${1:-}" in
"") ;;
-h | --help) echo "$usage"; exit 0 ;;
*) echo "$usage" >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
cmake --preset wasm >/dev/null
cmake --build --preset wasm
/usr/bin/python3 web/lesson_pictures.py build/wasm/layout.json docs/unterricht.md \
    --pictures build/wasm/web/site
