#!/usr/bin/env bash
# Takes a picture of each page of the main window under a virtual X display, with the
# real Japanese fonts, into screenshots/ (not kept in git).
#   scripts/screenshot.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
for package in xvfb xauth; do
    dpkg -s "$package" >/dev/null 2>&1 || apt-get install -y "$package"
done
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja
cmake --build "$build" --target form1_screenshot -j 2
mkdir -p screenshots
# 96 dpi, as the window was laid out for; xcb so the pictures come from a real display.
QT_QPA_PLATFORM=xcb QT_FONT_DPI=96 QT_SCALE_FACTOR=1 \
    xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
    "$build/bin/form1_screenshot" screenshots
