#!/usr/bin/env bash
# Recording with the Linux build: each of the demo's answer files (F2 with F5
# and F4, F8 after an F2, F3 with COM2 a pseudo-terminal) is played with
# /record; the recorded file, played on a machine as the first one was before,
# must show the same pages, changes, message boxes and end, and record itself
# again step for step.
set -euo pipefail
cd "$(dirname "$0")/../.."
[ -x build/native/Setup ] || { echo "no build/native/Setup: build the native target first"; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/velmar-record-native-XXXXXX")
trap 'rm -rf "$work"' EXIT
build/native/mkmedium "$work/medium" build/native/Setup build/native/standin src/resources/lang >/dev/null
demo=$PWD/scripts/demo

# A machine: drive C: made new; then the answer files given before the one
# that is played, to bring it where that one starts.
machine() {
  local c=$work/$1
  shift
  rm -rf "$c" && mkdir -p "$c/Windows/System32"
  for before in "$@"; do play "$c" "$before" "$work/before.txt" >/dev/null; done
}
play() {  # C: folder, answer file, transcript, more switches
  local c=$1 answers=$2 transcript=$3
  shift 3
  rm -rf "$work/medium-run" && cp -r "$work/medium" "$work/medium-run"
  VELMAR_DRIVES="C=$c;D=$work/medium-run" VELMAR_COM2=/dev/ptmx "$work/medium-run/Setup.exe" \
    /answers="$answers" /transcript="$transcript" "$@" >/dev/null
}
steps() { grep -v '^#' "$1"; }
without_actions() { grep -v '^> ' "$1"; }

failed=0
while read -r name answers before; do
  before=${before:+$demo/$before}
  machine c1 $before
  play "$work/c1" "$demo/$answers" "$work/$name-played.txt" /record="$work/$name.txt"
  machine c2 $before
  play "$work/c2" "$work/$name.txt" "$work/$name-again.txt" /record="$work/$name-again-recorded.txt"
  if ! diff -u <(without_actions "$work/$name-played.txt") <(without_actions "$work/$name-again.txt"); then
    echo "$name: the recorded file does not show what the run that recorded it showed"
    failed=1
  elif ! diff -u <(steps "$work/$name.txt") <(steps "$work/$name-again-recorded.txt"); then
    echo "$name: the recorded file, played, records other steps"
    failed=1
  else
    echo "$name: $(steps "$work/$name.txt" | grep -c '^page') pages recorded and played back alike"
  fi
done <<'EOF'
F2-F5-F4 answers.txt
F8 uninstall.txt answers.txt
F3 custom.txt
EOF
exit "$failed"
