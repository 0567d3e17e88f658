#!/usr/bin/env bash
# Builds both targets and runs every test: natively with CTest, and the
# Windows build of the same tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
status=0
echo "== native tests"
ctest --preset native -j2 || status=1
echo "== the zip reader's tests under ThreadSanitizer"
{ cmake --preset tsan >/dev/null && cmake --build --preset tsan &&
  TSAN_OPTIONS=halt_on_error=1 build/tsan/velmar_tests --gtest_filter='Unzip*:Zip*' --gtest_brief=1; } || status=1
echo "== win32 tests under Wine"
source scripts/wine-env.sh
"$WINE" build/win32/velmar_tests.exe --gtest_brief=1 || status=1
echo "== the Windows build of lnkinfo under Wine, by the native test of the tool"
VELMAR_LNKINFO="$WINE $PWD/build/win32/lnkinfo.exe" build/native/velmar_tests --gtest_filter='LnkInfo.*' \
  --gtest_brief=1 || status=1
for t in tests/scripts/*.sh; do
  [ -f "$t" ] || continue
  echo "== $t"
  bash "$t" || status=1
done
exit $status
