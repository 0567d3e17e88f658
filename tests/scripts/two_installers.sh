#!/usr/bin/env bash
# Two installers started at the same moment on one machine, both installing
# the product (F2, Linux build, the F2 part of the demo's answer file) into
# the same folders, round after round. Each round:
#   - both runs end with status 0;
#   - every INI file reads with the installer's own reader, and holds every
#     key a lone run writes (Velmar.ini, the installation record, the project
#     file, the installed Setup.ini), none lost to the other run's write;
#   - the log holds both runs' entries, each run's lines whole.
# ROUNDS (default 20) sets how many rounds are played.
set -euo pipefail
cd "$(dirname "$0")/../.."
rounds=${ROUNDS:-20}
source tests/scripts/lib/native_runs.sh
answers=$work/f2.txt
answers_until scripts/demo/answers.txt 'answer "Installation finished" OK' "$answers"

# One F2 run on machine C, the Nth of the round; its status in C.N.status.
install() {
  local c=$1 n=$2 status=0
  VELMAR_DRIVES="C=$c;D=$medium" timeout 120 "$medium/Setup.exe" /answers="$answers" \
    /transcript="$c.$n.transcript" >/dev/null 2>"$c.$n.err" || status=$?
  echo "$status" >"$c.$n.status"
}
# The keys of every INI file of machine C, a line "FILE: [Section] Key" each.
keys_of() { ini_keys "$1" | grep -v '^MEDIUM/' | sed -E 's|=.*||'; }

reference=$work/reference
mkdir -p "$reference/Windows/System32"
install "$reference" 1
[ "$(cat "$reference.1.status")" = 0 ] || { echo "a lone run failed:"; tail -3 "$reference.1.transcript"; exit 1; }
keys_of "$reference" >"$work/reference.keys"
entries=$(grep -c ' : ' "$reference/Velmar/Install.log")

status=0
for round in $(seq 1 "$rounds"); do
  c=$work/round-$round
  mkdir -p "$c/Windows/System32"
  install "$c" 1 &
  install "$c" 2 &
  wait
  problems=""
  for n in 1 2; do
    run_status=$(cat "$c.$n.status")
    [ "$run_status" = 0 ] || problems+=" run $n ended with status $run_status ($(tail -1 "$c.$n.transcript"));"
  done
  missing=$(keys_of "$c" | sort | comm -13 - <(sort "$work/reference.keys") || true)
  [ -z "$missing" ] || problems+=" keys lost: $(echo $missing);"
  lines=$(grep -c ' : ' "$c/Velmar/Install.log" || true)
  [ "$lines" = $((2 * entries)) ] || problems+=" the log holds $lines entries, not $((2 * entries));"
  if tr -d '\r' <"$c/Velmar/Install.log" |
    grep -avE '^(VELMAR Installation log:|[0-9]{2}/[0-9]{2}/[0-9]{4} [0-9:]{8} : .*|(- ){21}|)$' >"$work/odd"; then
    problems+=" log lines torn: $(head -2 "$work/odd" | tr -d '\r');"
  fi
  if [ -n "$problems" ]; then
    echo "round $round:$problems"
    status=1
  fi
  rm -rf "$c"
done
[ "$status" = 0 ] && echo "$rounds rounds of two installers at once: both finished each time, no key and no log entry lost"
exit $status
