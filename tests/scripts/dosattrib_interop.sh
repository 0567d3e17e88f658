#!/usr/bin/env bash
# Hidden, system and read-only set by the POSIX port are read by the Win32
# port under Wine on the same disk, and the other way round.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/wine-env.sh
dir=$(mktemp -d "${TMPDIR:-/tmp}/velmar-interop-XXXXXX")
trap 'rm -rf "$dir"' EXIT
export VELMAR_INTEROP_DIR="Z:${dir//\//\\}"
unset VELMAR_DRIVES
run() {
  VELMAR_INTEROP_STEP=$1 "${@:2}" --gtest_filter=DosAttribInterop.* --gtest_brief=1 | grep -q "1 test.*PASSED\|PASSED.*1 test" \
    || { echo "interop step $1 failed"; VELMAR_INTEROP_STEP=$1 "${@:2}" --gtest_filter=DosAttribInterop.*; exit 1; }
}
run 1 build/native/velmar_tests
run 2 "$WINE" build/win32/velmar_tests.exe
run 3 build/native/velmar_tests
echo "DOSATTRIB interop: both ports agree"
