#!/usr/bin/env bash
# Runs the program, or the web page in a browser's app window, under the Orca screen reader in
# a virtual display and checks what Orca speaks after each key of a fixed script. Speech is
# really synthesised by espeak-ng, into ALSA's null device; Orca's debug log is the transcript.
# Usage: run_orca.sh PROGRAM | run_orca.sh chromium|firefox PAGE
set -euo pipefail
here=$(dirname "$(realpath "$0")")
if (($# == 1)); then
    target=("$(realpath "$1")")
else
    target=("$1" "$(realpath "$2")")
fi
work=$(mktemp -d)
if [[ -n "${KEEP_ORCA_WORK:-}" ]]; then
    echo "keeping Orca's log and settings in $work"
else
    trap 'rm -rf "$work"' EXIT
fi

mkdir -p "$work/config/speech-dispatcher" "$work/orca" "$work/runtime" "$work/data" "$work/cache"
chmod 700 "$work/runtime"
cat >"$work/config/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
DefaultModule espeak-ng
Include "/etc/speech-dispatcher/clients/*.conf"
CONF
# Without line buffering the end of the log is lost when Orca is stopped.
cat >"$work/orca/orca-customizations.py" <<'CONF'
import orca.debug
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
CONF

export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
exec xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- /usr/bin/python3 "$here/orca_test.py" "$work" "${target[@]}"
