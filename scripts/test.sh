#!/usr/bin/env bash
# Builds both targets and runs every test: natively with CTest, natively again
# with AddressSanitizer and UBSan (clang), every fuzz target from its seeds,
# the Windows build of the same tests under Wine, and the scripts of
# tests/scripts.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
status=0
# Each phase's time, to keep the whole run short.
phase() { echo "== $1 (at ${SECONDS} s)"; }
phase "native tests"
ctest --preset native -j2 || status=1
phase "native tests with AddressSanitizer and UBSan"
cmake --preset asan >/dev/null
cmake --build --preset asan --target velmar_tests
# One process for all tests: each test started on its own would pay the
# sanitizers' start-up 400 times. The fault sweeps sample 250 runs here; the
# native run above fails every call.
ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 VELMAR_FAULT_RUNS=250 \
  timeout 1200 build/asan/velmar_tests --gtest_brief=1 || status=1
phase "fuzz targets, 10 s each from their seeds"
FUZZ_JOBS=2 bash scripts/fuzz.sh 10 || status=1
phase "the zip reader's tests under ThreadSanitizer"
{ cmake --preset tsan >/dev/null && cmake --build --preset tsan &&
  TSAN_OPTIONS=halt_on_error=1 build/tsan/velmar_zip_tests --gtest_brief=1; } || status=1
phase "win32 tests under Wine"
source scripts/wine-env.sh
timeout 1200 "$WINE" build/win32/velmar_tests.exe --gtest_brief=1 || status=1
phase "the Windows build of lnkinfo under Wine, by the native test of the tool"
VELMAR_LNKINFO="$WINE $PWD/build/win32/lnkinfo.exe" build/native/velmar_tests --gtest_filter='LnkInfo.*' \
  --gtest_brief=1 || status=1
for t in tests/scripts/*.sh; do
  [ -f "$t" ] || continue
  phase "$t"
  bash "$t" || status=1
done
phase "end"
exit $status
