#!/usr/bin/env bash
# See the usage below.
set -euo pipefail
usage="Usage: scripts/web.sh [PORT]
Installs what is missing, builds the web edition (preset wasm) and serves it on
http://127.0.0.1:PORT/ (default 8623). The one file to hand out is
build/wasm/web/rechenmaschine.html; the folder to host, build/wasm/web/site/."
case "${1:-}" in
"" | [0-9]*) ;;
-h | --help) echo "$usage"; exit 0 ;;
*) echo "$usage" >&2; exit 2 ;;
esac
(($# <= 1)) || { echo "$usage" >&2; exit 2; }
cd "$(dirname "$0")/.."

port=${1:-8623}
scripts/setup.sh --web
cmake --preset wasm >/dev/null
cmake --build --preset wasm
echo "One file to hand out: build/wasm/web/rechenmaschine.html (opens from disk)"
echo "The machine in the browser: http://127.0.0.1:$port/  (Ctrl+C ends the server)"
exec python3 -m http.server --bind 127.0.0.1 --directory build/wasm/web/site "$port"
