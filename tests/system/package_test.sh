#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, checks what it holds and what it
# depends on, installs it (with apt-get when CI runs as root, else into a scratch root), and
# starts the installed program in a virtual display until the start-up has drawn row 5 in red.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
window_id=$(realpath "$(dirname "$0")/../../scripts/window_id.sh")

build=$(realpath "$1")
layout() { /usr/bin/python3 "$(dirname "$0")/../layout.py" "$build/layout.json" "$1"; }
read -r mx my mb mh < <(layout Mult)
read -r breite hoehe < <(layout fenster)
if [[ -z "${PACKAGE_TEST_IN_XVFB:-}" ]]; then
    # -noreset: the program is started and ended several times, and an Xvfb left without a
    # client resets, refusing the next one that connects meanwhile.
    PACKAGE_TEST_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 2048x1536x24 -noreset" "$0" "$@"
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Without dpkg-shlibdeps the package would lack its Qt dependencies: cpack must refuse.
mkdir "$scratch/bin"
for tool in /usr/bin/*; do
    [[ "$(basename "$tool")" == dpkg-shlibdeps ]] || ln -s "$tool" "$scratch/bin/"
done
if refusal=$(cd "$build" && PATH="$scratch/bin" cpack -G DEB -B "$scratch/refused" 2>&1); then
    fail "cpack wrote a package without dpkg-shlibdeps"
fi
grep -q "dpkg-shlibdeps is missing" <<<"$refusal" || fail "cpack failed without saying why: $refusal"
ls "$scratch"/refused/*.deb >/dev/null 2>&1 && fail "a package was left behind without dpkg-shlibdeps"

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/rechenmaschine_*.deb)
echo "package: $(basename "$deb")"

# Debian's own checker: no error and no warning.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1 | grep -v "root privileges" || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || fail "lintian reports errors or warnings"

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/rechenmaschine \
    ./usr/share/man/man1/rechenmaschine.1.gz \
    ./usr/share/doc/rechenmaschine/copyright \
    ./usr/share/doc/rechenmaschine/changelog.gz \
    ./usr/share/applications/org.rechenmaschine.Rechenmaschine.desktop \
    ./usr/share/metainfo/org.rechenmaschine.Rechenmaschine.metainfo.xml \
    ./usr/share/icons/hicolor/36x36/apps/org.rechenmaschine.Rechenmaschine.png \
    ./usr/share/icons/hicolor/scalable/apps/org.rechenmaschine.Rechenmaschine.svg; do
    grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
# Debian 13 renamed some Qt libraries with a "t64" suffix (64-bit time).
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 qt6-qpa-plugins fonts-liberation2; do
    grep -q -E "(^|[ ,])${dep//+/\\+}(t64)?( |,|$)" <<<"$depends" || fail "Depends lacks $dep"
done

if [[ $(id -u) -eq 0 && -n "${CI:-}" ]]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >/dev/null
    root=""
else
    dpkg-deb -x "$deb" "$scratch/root"
    root="$scratch/root"
fi
desktop-file-validate "$root/usr/share/applications/org.rechenmaschine.Rechenmaschine.desktop"
appstreamcli validate --no-net \
    "$root/usr/share/metainfo/org.rechenmaschine.Rechenmaschine.metainfo.xml" >/dev/null
file "$root/usr/share/icons/hicolor/36x36/apps/org.rechenmaschine.Rechenmaschine.png" |
    grep -q "36 x 36" || fail "the icon is not 36 x 36"

"$root/usr/bin/rechenmaschine" &
pid=$!
id=$("$window_id" || true)
[[ -n "$id" ]] || fail "the installed program showed no window"
sleep 0.5
import -window "$id" "$scratch/shot.png"
kill "$pid"
# Row 5 of the multiplier column's 9 is red after start.
red_rows=$(convert "$scratch/shot.png" -crop "${mb}x${mh}+${mx}+${my}" +repage txt:- |
    awk -F'[(,)]' 'NR > 1 && $3 > 200 && $4 < 90 && $5 < 90 { print $2 + 0 }' |
    sort -n | uniq)
[[ -n "$red_rows" ]] || fail "no red row: the start-up did not run"
first=$(head -1 <<<"$red_rows")
last=$(tail -1 <<<"$red_rows")
echo "red ink in the column from y=$first to y=$last"
((first > 4 * mh / 9 - 8 && last < 5 * mh / 9 + 8)) || fail "the red row is not row 5"
echo "installed program reached its working state"

# The menu entry's actions start it enlarged: the window's size times their factor.
desktop="$root/usr/share/applications/org.rechenmaschine.Rechenmaschine.desktop"
while read -r factor; do
    env QT_SCALE_FACTOR="$factor" "$root/usr/bin/rechenmaschine" &
    pid=$!
    id=$("$window_id" || true)
    [[ -n "$id" ]] || fail "the action with factor $factor showed no window"
    sleep 0.3
    size=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p')
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    want=$(awk -v f="$factor" -v b="$breite" -v h="$hoehe" \
        'BEGIN { printf "%dx%d", b * f + 0.5, h * f + 0.5 }')
    echo "action QT_SCALE_FACTOR=$factor: window $size"
    [[ "$size" == "$want" ]] || fail "the window is $size, not $want"
done < <(sed -n '/^\[Desktop Action/,$ s/^Exec=env QT_SCALE_FACTOR=\([0-9.]*\) rechenmaschine$/\1/p' "$desktop")
[[ $(grep -c '^\[Desktop Action' "$desktop") -eq 2 ]] || fail "the menu entry lacks its two actions"
echo "the menu entry's actions start it enlarged"
