#!/usr/bin/env bash
# Builds アクエンザ twice and runs every test in both builds: first with
# AddressSanitizer and UndefinedBehaviorSanitizer, then the release build
# (which also compiles the benchmark programs and makes the .deb package,
# build/akuenza_<version>_<arch>.deb). Then builds the fuzz targets with
# clang and runs each for 60 s (scripts/fuzz.sh); any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

export QT_QPA_PLATFORM=offscreen

echo "== Sanitizer build (ASan + UBSan) =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DAKUENZA_SANITIZE=ON -DAKUENZA_BENCHMARKS=OFF
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== Release build =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
cmake --build build --target package
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Fuzzing (60 s per target) =="
./scripts/fuzz.sh 60
