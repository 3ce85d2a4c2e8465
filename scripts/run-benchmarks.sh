#!/usr/bin/env bash
# Measures the program beside bare Qt Widgets programs doing the same kind of
# work (the figures of docs/PERFORMANCE.md): the start-up to the first painted
# main window, on Qt's offscreen platform and on a virtual X display (Xvfb),
# then New, opening a project file, 書き込み, the print image and the PDF.
# Builds the release build's benchmark programs first.
# Usage: scripts/run-benchmarks.sh [build-dir] [start-up runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-41}
bench="$build/bench"
cmake --build "$build" -j2 --target akuenza_startup_timer akuenza_startup_probe bare_qt_startup_probe \
  bare_qt_latin_startup_probe akuenza_document_bench >/dev/null

startup=("$bench/akuenza_startup_timer" --runs "$runs" --warmup 5
  "$bench/bare_qt_startup_probe" "$bench/bare_qt_latin_startup_probe" "$bench/akuenza_startup_probe")

echo "== Start-up, offscreen platform"
QT_QPA_PLATFORM=offscreen "${startup[@]}"
echo
echo "== Start-up, X display (Xvfb)"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" "${startup[@]}"
echo
echo "== New, open, 書き込み, print image, PDF (offscreen)"
QT_QPA_PLATFORM=offscreen "$bench/akuenza_document_bench" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true
