#!/usr/bin/env bash
# See the usage below.
usage="Usage: scripts/window_id.sh
Prints the X window id of the program's window once it is on the (virtual) display, waiting up
to ten seconds; prints nothing and fails if it does not appear."
case "${1:-}" in
"") ;;
-h | --help) echo "$usage"; exit 0 ;;
*) echo "$usage" >&2; exit 2 ;;
esac
for _ in $(seq 100); do
    id=$(xdotool search --name "Rechenmaschine von 1623" 2>/dev/null | head -1 || true)
    if [[ -n "$id" ]]; then
        echo "$id"
        exit 0
    fi
    sleep 0.1
done
exit 1
