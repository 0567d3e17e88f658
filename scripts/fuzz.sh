#!/usr/bin/env bash
# Builds the fuzz targets (preset `asan`: clang, libFuzzer, AddressSanitizer,
# UBSan) and runs each for SECONDS (default 20), starting from its seeds in
# fuzz/corpus/<target>/ and from the inputs of earlier findings in
# fuzz/regressions/<target>/ (kept by hand, never remade). Fails when a target
# finds a crash, a sanitizer report, a leak, a broken property or an input
# that takes more than a second.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]   TARGET: zip_reader, unzip, ...
#   FUZZ_JOBS=2 scripts/fuzz.sh ...         two targets at a time
#
# New inputs go to build/asan/corpus/<target>/, findings to
# build/asan/findings/<target>/ (run the target program on a finding to see it again).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh

all_targets=()
for source in fuzz/*_fuzz.cpp; do
  name=$(basename "$source" .cpp)
  all_targets+=("${name%_fuzz}")
done

cmake --preset asan >/dev/null
seconds=${1:-20}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all_targets[@]}")
programs=()
for t in "${targets[@]}"; do programs+=("${t}_fuzz"); done
cmake --build --preset asan --target "${programs[@]}"

# One target: its log, and its status file (0, or 1 on a finding).
fuzz_one() {
  local t=$1 corpus=build/asan/corpus/$1 findings=build/asan/findings/$1 seeds=()
  mkdir -p "$corpus" "$findings"
  [ -d "fuzz/corpus/$t" ] && seeds=("fuzz/corpus/$t")
  [ -d "fuzz/regressions/$t" ] && seeds+=("fuzz/regressions/$t")
  local result=0
  build/asan/${t}_fuzz -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "${seeds[@]}" >"$findings.log" 2>&1 || result=1
  echo "$result" >"$findings.status"
}

# FUZZ_JOBS targets at a time (default 1), each on a core of its own.
jobs=${FUZZ_JOBS:-1}
running=0
for t in "${targets[@]}"; do
  echo "== $t: ${seconds}s"
  mkdir -p build/asan/findings
  rm -f "build/asan/findings/$t.status"
  fuzz_one "$t" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait

status=0
summary=()
for t in "${targets[@]}"; do
  log=build/asan/findings/$t.log
  if [ "$(cat "build/asan/findings/$t.status" 2>/dev/null)" = 0 ]; then
    result=ok
  else
    result=FAILED
    status=1
    echo "== $t FAILED:"
    grep -E "ERROR|SUMMARY|Test unit written|timeout|==[0-9]+==" "$log" | head -20 || true
    echo "   full output: $log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  summary+=("$(printf '%-16s %-6s %10s runs %8s/s' "$t" "$result" "${runs:-?}" "${speed:-?}")")
done
echo "== fuzz summary (${seconds}s each)"
printf '%s\n' "${summary[@]}"
exit $status
