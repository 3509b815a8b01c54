#!/usr/bin/env bash
# Takes a screenshot of the window under Xvfb after opening and converting the
# example record with real clicks and keys: docs/window.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" xvfb xdotool imagemagick
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j 2 --target zrlconv >/dev/null

display=":${ZRLCONV_SCREEN:-97}"
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
export DISPLAY="$display"
sleep 1

build/window/zrlconv &
app=$!
window=""
for _ in $(seq 50); do
    window=$(xdotool search --name "ZRLConv - Export" 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
xdotool windowmove --sync "$window" 0 0
sleep 0.5

# Otevřít opens the file dialog, where the file name is typed; then Konvertovat.
xdotool mousemove --window "$window" 45 20 click 1
sleep 1.5
xdotool type --delay 20 "$PWD/examples/season.zrl2"
xdotool key Return
sleep 2
# Without a window manager the first click after a dialog only gives the
# window back its input, so it goes to an empty spot first.
xdotool mousemove --window "$window" 280 20 click 1
sleep 0.5
xdotool mousemove --window "$window" 125 20 click 1
sleep 2

mkdir -p docs
import -window root -crop 599x377+0+0 +repage docs/window.png
echo "docs/window.png"
