#!/usr/bin/env bash
# Runs the real program in a virtual display under strace, types a few seconds of keys into
# it, and fails if it wrote a file outside the toolkit's runtime and cache folders, made an
# inet or inet6 socket, or read anything in the working folder or the user's documents.
# Usage: no_side_effects.sh PROGRAM
set -euo pipefail
window_id=$(realpath "$(dirname "$0")/../../scripts/window_id.sh")

program=$(realpath "$1")
if [[ -z "${NO_SIDE_EFFECTS_IN_XVFB:-}" ]]; then
    NO_SIDE_EFFECTS_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

scratch=$(mktemp -d)
trap '[[ -n "${KEEP_TRACE:-}" ]] && cp "$scratch/trace" "$KEEP_TRACE"; rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home/Documents" "$scratch/home/Dokumente" "$scratch/work" "$scratch/runtime"
chmod 700 "$scratch/runtime"
echo "Aufgabe 7" >"$scratch/home/Documents/aufgabe.txt"
echo "Notiz" >"$scratch/work/notiz.txt"
export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime"
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME QT_QPA_PLATFORM
cd "$scratch/work"

# A desktop session has a message bus; without one the toolkit would start its own.
dbus-run-session -- strace -f -qq -s 256 -o "$scratch/trace" \
    -e trace=%file,socket,connect,bind "$program" &
tracer=$!
id=$("$window_id" || true)
[[ -n "$id" ]] || { echo "FAIL: the window did not appear"; exit 1; }
xdotool windowfocus --sync "$id" || true
sleep 0.3
# Every unit, row keys, C, Tab both ways, typed text and paste attempts.
xdotool key --delay 40 Right Right Down Tab Right Right Left c Tab Tab Tab Tab Tab Right Right \
    Left Up Tab Tab Tab Tab Tab Tab Right ctrl+v shift+Insert BackSpace Delete 5 x \
    shift+Tab shift+Tab Down C percent ampersand apostrophe parenleft ctrl+c ctrl+Insert
sleep 1
program_pid=$(pgrep -f -x "$program" | head -1 || true)
[[ -n "$program_pid" ]] || { echo "FAIL: the program ended by itself"; exit 1; }
# Quit as closing the display would: the program's connection goes and it ends by itself.
xdotool windowkill "$id" 2>/dev/null || kill -TERM "$program_pid"
for _ in $(seq 50); do
    kill -0 "$tracer" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$tracer" 2>/dev/null; then
    kill -KILL "$program_pid" "$tracer" 2>/dev/null || true
fi
wait "$tracer" 2>/dev/null || true

python3 - "$scratch" <<'PY'
import re, sys
scratch = sys.argv[1]
allowed_write = (f"{scratch}/runtime/", f"{scratch}/home/.cache/", "/dev/null", "/dev/shm/",
                 "/dev/tty", "/dev/dri/", "/proc/self/", "/tmp/.X11-unix/")
private = (f"{scratch}/work", f"{scratch}/home/Documents", f"{scratch}/home/Dokumente")
faults = []
calls = 0
for line in open(f"{scratch}/trace", errors="replace"):
    calls += 1
    if re.search(r"\bsocket\(AF_INET6?\b", line):
        faults.append("network socket: " + line.strip())
    m = re.search(r'\b(open|openat|openat2|creat)\((?:[^,]*, )?"([^"]*)"(.*)', line)
    if m:
        path, rest = m.group(2), m.group(3)
        writes = m.group(1) == "creat" or re.search(r"O_WRONLY|O_RDWR|O_CREAT|O_TRUNC", rest)
        if writes and " = -1 " not in rest and not path.startswith(allowed_write):
            faults.append("opened for writing: " + line.strip())
    if re.search(r"\bgetcwd\(", line):
        continue  # learning the folder's name reads nothing in it
    for path in re.findall(r'"([^"]*)"', line):
        if path.startswith(private) or (path and not path.startswith("/") and
                                        re.match(r"\w+\(AT_FDCWD", line.split(" ", 1)[-1])):
            faults.append("touched the user's folders: " + line.strip())
            break
print(f"{calls} traced calls")
if faults:
    print("FAIL:\n" + "\n".join(faults[:40]))
    sys.exit(1)
print("no side effects")
PY
