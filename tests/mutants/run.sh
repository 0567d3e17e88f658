#!/usr/bin/env bash
# Seeded faults: applies each tests/mutants/*.mutant in turn to a scratch copy
# of the tree, builds it incrementally, runs the native tests and tells which
# faults no test catches. A tool for developers; it takes a while.
#
#   tests/mutants/run.sh [PATTERN ...]   only the mutants whose file name holds a PATTERN
#
#   MUTANT_DIR=FOLDER   the scratch copy, kept between runs (default /tmp/velmar-mutants-$USER)
#   KEEP_GOING=1        run every test on a mutant and name up to five that catch it
#                       (by default the tests stop at the first failure)
#   TEST_TIMEOUT=S      seconds one run of the tests may take (default: 3 times
#                       the unmutated run, at least 300); a run that takes
#                       longer counts as caught
#   MUTANT_SCRIPTS="tests/scripts/record_native.sh ..."
#                       scripts run after the tests pass, from the copy's root
#                       (every program is built then, not only the tests and Setup)
#   BASELINE=0          skip the unmutated build and run that checks the tests pass
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
tree="$(cd "$here/../.." && pwd)"
scratch="${MUTANT_DIR:-${TMPDIR:-/tmp}/velmar-mutants-${USER:-$(id -un)}}"
mutate="python3 $here/mutate.py"
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache

mutants=()
for m in "$here"/*.mutant; do
  name="$(basename "$m" .mutant)"
  if [ $# -gt 0 ]; then
    hit=0
    for p in "$@"; do [[ "$name" == *"$p"* ]] && hit=1; done
    [ $hit = 1 ] || continue
  fi
  mutants+=("$m")
done
[ ${#mutants[@]} -gt 0 ] || { echo "no mutant matches: $*" >&2; exit 2; }

mkdir -p "$scratch/logs"
echo "== copying the tree to $scratch"
$mutate sync "$tree" "$scratch" || exit 2
cd "$scratch"
cmake --preset native >"$scratch/logs/configure.log" 2>&1 ||
  { echo "configure failed: see $scratch/logs/configure.log" >&2; exit 2; }

# The scripts use the other programs too (mkmedium, the stand-ins): then all are built.
targets=(--target velmar_tests Setup)
[ -n "${MUTANT_SCRIPTS:-}" ] && targets=()
build() { cmake --build --preset native "${targets[@]}" >"$1" 2>&1; }
# Prints the failing tests, or "timeout", and fails, when the tests do not pass.
run_tests() {
  local log="$1" limit="$2" fast=--gtest_fail_fast status
  [ "${KEEP_GOING:-0}" = 1 ] && fast=
  timeout --kill-after=10 "$limit" build/native/velmar_tests --gtest_brief=1 $fast >>"$log" 2>&1
  status=$?
  if [ $status = 124 ] || [ $status = 137 ]; then
    echo "timeout after ${limit} s"; return 1
  fi
  if [ $status != 0 ]; then
    local failed
    failed="$(sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_/.]*\).*/\1/p' "$log" | sort -u | head -5 | paste -sd' ')"
    echo "${failed:-status $status}"; return 1
  fi
  local s
  for s in ${MUTANT_SCRIPTS:-}; do
    if ! timeout --kill-after=10 "$limit" bash "$s" >>"$log" 2>&1; then
      echo "$s"; return 1
    fi
  done
}

limit="${TEST_TIMEOUT:-}"
if [ "${BASELINE:-1}" != 0 ]; then
  echo "== building and testing the unmutated copy"
  build "$scratch/logs/baseline-build.log" ||
    { echo "the unmutated copy does not build: see $scratch/logs/baseline-build.log" >&2; exit 2; }
  start=$SECONDS
  if ! why="$(run_tests "$scratch/logs/baseline-tests.log" "${limit:-3600}")"; then
    echo "the unmutated copy fails its tests ($why): see $scratch/logs/baseline-tests.log" >&2; exit 2
  fi
  took=$((SECONDS - start))
  echo "   the tests took ${took} s"
  [ -n "$limit" ] || limit=$((took * 3 > 300 ? took * 3 : 300))
fi
limit="${limit:-1200}"

current=""
revert() { [ -n "$current" ] && cp "$scratch/logs/original" "$scratch/$current"; current=""; }
trap 'revert; exit 130' INT TERM

rows=()
caught=0 missed=0 stale=0 unbuilt=0
for m in "${mutants[@]}"; do
  name="$(basename "$m" .mutant)"
  log="$scratch/logs/$name.log"
  if ! described="$($mutate describe "$m")"; then
    echo "bad mutant file: $m" >&2; exit 2
  fi
  file="${described%%$'\t'*}" slip="${described#*$'\t'}"
  start=$SECONDS
  if [ -f "$scratch/$file" ]; then cp "$scratch/$file" "$scratch/logs/original"; fi
  if ! why="$($mutate apply "$m" "$scratch" 2>&1)"; then
    result=stale why="${why#stale: }"; stale=$((stale + 1))
  else
    current="$file"
    if ! build "$log"; then
      result="not built" why="see logs/$name.log"; unbuilt=$((unbuilt + 1))
    elif why="$(run_tests "$log" "$limit")"; then
      result=MISSED why="$slip"; missed=$((missed + 1))
    else
      result=caught; caught=$((caught + 1))
    fi
    revert
  fi
  echo "$name: $result ($((SECONDS - start)) s) $why"
  rows+=("$(printf '%-40s %-9s %s: %s' "$name" "$result" "$file" "$why")")
done
trap - INT TERM

{
  echo
  printf '%-40s %-9s %s\n' mutant result "file: caught by, or the slip missed"
  printf '%s\n' "${rows[@]}"
  echo
  echo "${#mutants[@]} mutants: $caught caught, $missed missed, $stale stale, $unbuilt not built"
} | tee "$scratch/results.txt"
