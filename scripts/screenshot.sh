#!/usr/bin/env bash
# See the usage below.
set -euo pipefail
usage="Usage: scripts/screenshot.sh [PROGRAM] [OUTPUT.png]
Takes a picture of the program's window right after start in a virtual display (by default
build/release/app/rechenmaschine into docs/screenshot.png)."
case "${1:-}" in
-h | --help) echo "$usage"; exit 0 ;;
-*) echo "$usage" >&2; exit 2 ;;
esac
(($# <= 2)) || { echo "$usage" >&2; exit 2; }
cd "$(dirname "$0")/.."

program=${1:-build/release/app/rechenmaschine}
output=${2:-docs/screenshot.png}
if [[ -z "${SCREENSHOT_IN_XVFB:-}" ]]; then
    SCREENSHOT_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$output"
fi

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
id=$(scripts/window_id.sh || true)
[[ -n "$id" ]] || { echo "the window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$id" 2>/dev/null || true # no window manager: focus it ourselves
sleep 0.5 # the start-up timer and the first paint
import -window "$id" "$output"
echo "wrote $output"
