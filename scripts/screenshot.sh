#!/usr/bin/env bash
# Takes screenshots of the program on a virtual X display (Xvfb): the main
# window at start and after 新規作成, each facility dialog, the design
# conditions form with the well and after Enter, the message boxes and the
# version window, the print image with an NG and an O.K verdict, 必要数量 of the
# NG case before and after 数量を入力 and 計　算, and the first
# printed page as PDF (rendered with pdftoppm), with the Japanese text as the
# engineer sees it. Fails when the X server holds any other title than the
# designed one for a window.
# Usage: scripts/screenshot.sh [build-dir] [folder]   (images go to docs/screenshots/)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
folder=${2:-docs/screenshots}
cmake --build "$build" --target akuenza_screenshot -j2 >/dev/null
mkdir -p "$folder"
xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" "$build/akuenza_screenshot" "$folder"
pdftoppm -png -r 72 -f 1 -l 1 -singlefile "$folder/sheet.pdf" "$folder/print-pdf-page1"
rm -f "$folder/sheet.pdf"
echo "saved $folder/print-pdf-page1.png"
