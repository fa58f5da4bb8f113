#!/usr/bin/env bash
# Starts the built program in a virtual display with a message bus and the accessibility bus,
# drives it with real key presses and reads it back as a screen reader does.
# Usage: run_e2e.sh PROGRAM LAYOUT_JSON
set -euo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- /usr/bin/python3 "$here/e2e_test.py" "$program" "$(realpath "$2")"
