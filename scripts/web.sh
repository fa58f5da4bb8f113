#!/usr/bin/env bash
# Installs what is missing, builds the web edition (preset wasm) and serves it on 127.0.0.1.
# The built site, build/wasm/web/site/, is a folder of static files any web server can host.
# Usage: scripts/web.sh [PORT]   (default 8623)
set -euo pipefail
cd "$(dirname "$0")/.."

port=${1:-8623}
scripts/setup.sh --web
cmake --preset wasm >/dev/null
cmake --build --preset wasm
echo "One file to hand out: build/wasm/web/rechenmaschine.html (opens from disk)"
echo "The machine in the browser: http://127.0.0.1:$port/  (Ctrl+C ends the server)"
exec python3 -m http.server --bind 127.0.0.1 --directory build/wasm/web/site "$port"
