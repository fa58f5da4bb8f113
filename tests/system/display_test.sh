#!/usr/bin/env bash
# The program started where it cannot open its window: each time its own sentence on standard
# error and exit status 1, never the toolkit's abort (status 134, a core dump) or its advice to
# reinstall. Usage: display_test.sh PROGRAM
set -uo pipefail
program=$1
failures=0
# (what the environment holds, the sentence expected)
while IFS='|' read -r setting expected; do
    # The setting is one NAME=value word, or none.
    # shellcheck disable=SC2086
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $setting timeout 20 "$program" 2>&1)
    status=$?
    if [[ $status -ne 1 || "$out" != *"$expected"* || "$out" == *Reinstall* ]]; then
        echo "FAIL with '${setting:-no display}': status $status, said: $out"
        failures=$((failures + 1))
    else
        echo "ok   with '${setting:-no display}': $expected"
    fi
done <<'ROWS'
|needs a graphical display and found none
DISPLAY=:4711|could not open its window on the display it was given (DISPLAY=":4711")
DISPLAY=nowhere.invalid:0|could not open its window on the display it was given
WAYLAND_DISPLAY=wayland-4711|could not open its window on the display it was given (WAYLAND_DISPLAY=
ROWS
# The command it names for a machine without a desktop exists and starts this very program.
hint=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1 | grep -o "'xvfb-run -a [^']*'")
if [[ "$hint" != "'xvfb-run -a $program'" ]] || ! command -v xvfb-run >/dev/null; then
    echo "FAIL the hint names $hint, or xvfb-run is not installed"
    failures=$((failures + 1))
else
    echo "ok   the hint names $hint"
fi
exit $((failures > 0))
