#!/usr/bin/env bash
# The window on Qt's Wayland platform, in a headless weston: the window tests, then the real
# program's first picture, read back with weston's screenshooter (allowed by --debug).
# The headless compositor has no seat: no keyboard, mouse or clipboard. The tests send their
# events to the widgets themselves; QT_IM_MODULE=none keeps Qt's text-input context, which
# needs a seat, out of their way.
# Usage: wayland_test.sh PROGRAM LAYOUT_JSON WINDOW_TEST...
set -euo pipefail
program=$(realpath "$1")
layout() { /usr/bin/python3 "$(dirname "$0")/../layout.py" "$2" "$1"; }
read -r mx my mb mh < <(layout Mult "$2")
read -r breite hoehe < <(layout fenster "$2")
gelb=$(layout farbe:fenster "$2")
IFS='(,)' read -r _ rot gruen blau < <(layout farbe:hervorhebung "$2")
shift 2
scratch=$(mktemp -d)
pids=()
# shellcheck disable=SC2317  # called by the trap
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

export XDG_RUNTIME_DIR="$scratch/runtime" WAYLAND_DISPLAY=rechenmaschine-test
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY
weston --backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY" \
    --width=1600 --height=1200 >"$scratch/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    [[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]] && break
    sleep 0.1
done
[[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]] || { cat "$scratch/weston.log"; fail "weston did not start"; }

for t in "$@"; do
    out=$(QT_QPA_PLATFORM=wayland QT_IM_MODULE=none QT_SCALE_FACTOR=1 "$t" 2>&1) ||
        { echo "$out" | grep -E "^(FAIL|   )" | head -20; fail "$(basename "$t") on Wayland"; }
    echo "$(basename "$t"): $(grep '^Totals' <<<"$out")"
done

QT_QPA_PLATFORM=wayland "$program" 2>"$scratch/program.err" &
pids+=($!)
cd "$scratch"
for _ in $(seq 20); do
    sleep 0.5
    rm -f wayland-screenshot-*.png
    weston-screenshooter >/dev/null 2>&1 || continue
    shot=$(find . -maxdepth 1 -name 'wayland-screenshot-*.png' | head -1)
    [[ -n "$shot" ]] || continue
    # The light yellow is the window's: its client area, and the title bar Qt draws above it
    # in the same palette. The client area is the box's lowest rows, as high as the window.
    box=$(convert "$shot" -fill black +opaque "$gelb" -format "%@" info:)
    [[ "$box" == "${breite}x"* ]] || continue
    IFS='x+' read -r _ h x y <<<"$box"
    y=$((y + h - hoehe))
    red_rows=$(convert "$shot" -crop "${mb}x${mh}+$((x + mx))+$((y + my))" +repage txt:- |
        awk -F'[(,)]' -v r="$rot" -v g="$gruen" -v b="$blau" \
            'function nah(a, z) { return a - z < 90 && z - a < 90 } NR > 1 && nah($3, r) && nah($4, g) && nah($5, b) { print $2 + 0 }' |
        sort -n | uniq)
    [[ -n "$red_rows" ]] || continue
    first=$(head -1 <<<"$red_rows")
    last=$(tail -1 <<<"$red_rows")
    echo "window at $x,$y; red ink in the column from y=$first to y=$last"
    ((first > 4 * mh / 9 - 8 && last < 5 * mh / 9 + 8)) || fail "the red row is not row 5"
    grep -i "warn\|error" "$scratch/program.err" && fail "the program complained"
    echo "the program runs on Wayland with row 5 red"
    exit 0
done
cat "$scratch/program.err"
fail "no picture of the started window on Wayland"
