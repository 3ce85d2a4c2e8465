#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (in build-fuzz/, every
# library instrumented for coverage, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds
# (default 60). The project-file targets start from the real project files in
# fuzz/corpus/project. Fails when any target reports a crash, a leak, a
# sanitizer finding, a broken property or an input that takes too long; the
# input is kept in build-fuzz/findings/<target>/ and the log in
# build-fuzz/logs/<target>.log. Ends with the executions per target.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
jobs=$(nproc 2>/dev/null || echo 2)
root=$PWD

echo "== Fuzz targets (clang, ASan + UBSan + libFuzzer) =="
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DAKUENZA_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build build-fuzz -j"$jobs" --target fuzzers

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0
export LSAN_OPTIONS=suppressions=$root/fuzz/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

failed=()
summary=()
# run TARGET DICTIONARY [SEED FOLDER]
run() {
  local target=$1 dict=$2 seeds=${3:-}
  local work=build-fuzz/corpus/$target findings=build-fuzz/findings/$target log=build-fuzz/logs/$target.log
  mkdir -p "$work" "$findings" build-fuzz/logs
  echo "-- $target: ${seconds} s"
  local status=0
  "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
    -dict="fuzz/$dict" -artifact_prefix="$findings/" "$work" ${seeds:+"$seeds"} >"$log" 2>&1 || status=$?
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  summary+=("$(printf '%-24s %10s executions in %s s' "$target" "${runs:-?}" "$seconds")")
  if [ "$status" -ne 0 ] ||
     grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer)|runtime error:|property failed|ERROR: libFuzzer' "$log"; then
    echo "   FAILED (exit $status); the input is in $findings/, the log in $log:"
    grep -m 20 -E 'ERROR|runtime error:|property failed|SUMMARY|^    #[0-9]' "$log" | sed 's/^/   /' || true
    failed+=("$target")
  fi
}

run lenient_number_fuzzer numbers.dict
run digit_format_fuzzer numbers.dict
run project_read_fuzzer project.dict fuzz/corpus/project
run project_open_fuzzer project.dict fuzz/corpus/project

echo "== Fuzzing summary =="
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: findings in ${failed[*]}"
  exit 1
fi
echo "fuzz: no findings"
