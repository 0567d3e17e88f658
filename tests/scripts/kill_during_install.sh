#!/usr/bin/env bash
# The installer killed in the middle of a product installation (F2, Linux
# build, the F2 part of the demo's answer file) from a medium whose newest release holds a
# few hundred files. strace kills it with SIGKILL on a chosen system call, so
# each moment is hit exactly: in the middle of the extraction, of the copy of
# the release into the product's Install\ folder, of the project file, of the
# installation record, of Velmar.ini, of the shortcuts, and of the settings
# written back at the end. After each kill:
#   - every INI file on the machine (and the medium's Setup.ini) reads with
#     the installer's own reader (iniread), and each of its keys holds a value
#     a whole run gives it (or the medium's, for a copy of Setup.ini): no file
#     is half written;
#   - a second F2 on the same machine ends with status 0 and leaves the same
#     files and the same INI keys as one run on a fresh machine.
set -euo pipefail
cd "$(dirname "$0")/../.."
command -v strace >/dev/null || { echo "strace is missing (scripts/packages.sh installs it)"; exit 1; }
strace -qq -e trace=none true 2>/dev/null || { echo "strace cannot trace programs on this machine"; exit 1; }
command -v zip >/dev/null || { echo "zip is missing (scripts/packages.sh installs it)"; exit 1; }
source tests/scripts/lib/native_runs.sh
# The demo's F2, then leave: a second run must meet only what F2 made.
answers=$work/f2.txt
answers_until scripts/demo/answers.txt 'answer "Installation finished" OK' "$answers"

# The sample medium, its newest release with 300 more files in folders.
(
  cd "$work"
  for i in $(seq -w 1 300); do
    mkdir -p "Data/Set$((10#$i % 7))"
    { yes "Velmar table $i" || true; } | head -c $((3000 + 10#$i * 41)) >"Data/Set$((10#$i % 7))/T$i.dat"
  done
  zip -q -r -g "$medium/Velmar/Velmar3500.zip" Data
  rm -rf Data
)
items=$(unzip -Z1 "$medium/Velmar/Velmar3500.zip" | grep -vc '/$')

install() { run_on "$1" "$answers" "${@:2}"; }

echo "== a whole run on a fresh machine ($items files in the release)"
reference=$work/reference
[ "$(install "$reference")" = 0 ] || { echo "the run without a kill failed:"; tail -3 "$reference.transcript"; exit 1; }
ini_keys "$reference" >"$work/reference.keys"
files_of "$reference" >"$work/reference.files"
# A copy of Setup.ini holds the medium's keys until the settings are written back.
sed 's|^MEDIUM/Setup.ini: |Velmar/Install/Setup.ini: |' "$work/reference.keys" | grep '^Velmar/Install/Setup.ini: ' \
  >"$work/allowed.keys"
cat "$work/reference.keys" >>"$work/allowed.keys"

status=0
kills=0
fail() {
  echo "   FAILED: $1"
  status=1
}
# kill_at NAME FILE SYSCALL N: kills the run at the Nth SYSCALL on FILE
# (relative to C), before the call is made.
kill_at() {
  local name=$1 file=$2 call=$3 n=$4
  local c="$work/kill-$((++kills))"
  echo "== killed $name: before $call #$n on C:\\${file//\//\\}"
  local killed
  killed=$(install "$c" strace -f -qq -o /dev/null -P "$c/$file" -e trace="$call" \
    -e inject="$call:signal=KILL:when=$n")
  [ "$killed" = 137 ] || { fail "the run was not killed there (status $killed)"; return; }
  local bad
  bad=$(unreadable_ini "$c")
  [ -z "$bad" ] || fail "INI files that cannot be read:$bad"
  local odd
  odd=$(ini_keys "$c" | grep -vxFf "$work/allowed.keys" || true)
  [ -z "$odd" ] || fail "keys no whole run writes so: $odd"
  [ -n "$bad$odd" ] || echo "   left $(find "$c" -type f | wc -l) files; INI files: $(find "$c" -type f \( -iname '*.ini' -o -iname '*.vpr' \) | wc -l), each readable and whole"
  local again
  again=$(install "$c")
  if [ "$again" != 0 ]; then
    fail "the second F2 ended with status $again: $(tail -1 "$c.transcript")"
    return
  fi
  if ! diff <(files_of "$c") "$work/reference.files" >"$work/diff"; then
    fail "the second F2 left other files: $(cat "$work/diff")"
  elif ! diff <(ini_keys "$c") "$work/reference.keys" >"$work/diff"; then
    fail "the second F2 left other keys: $(cat "$work/diff")"
  else
    echo "   the second F2 ended with status 0 and left what a whole run leaves"
  fi
}

menu=$(cd "$reference" && find . -type d -path '*/Start Menu/Programs/Velmar' | cut -c3-)
kill_at "in the middle of the extraction" "Velmar/Data/Set3/T150.dat" write 1
kill_at "in the middle of the extraction, late" "Velmar/Data/Set1/T295.dat" openat 1
kill_at "in the middle of the copy of the release" "Velmar/Install/Velmar/Velmar3500.zip.~cp" write 20
kill_at "writing the project file" "VelProj/WaterWorks/WaterWorks.vpr.~tmp" write 3
kill_at "writing the installation record" "Windows/Vel_Inst.ini.~tmp" rename 2
kill_at "writing Velmar.ini" "Velmar/Velmar.ini.~tmp" write 4
kill_at "writing Velmar.ini, before a replace" "Velmar/Velmar.ini.~tmp" rename 9
kill_at "making the shortcuts" "$menu/Archive viewer.lnk.~tmp" write 1
kill_at "making the shortcuts, before a replace" "$menu/Velmar Setup.lnk.~tmp" rename 1
kill_at "writing the settings back at the end" "Velmar/Install/Setup.ini.~tmp" rename 3

[ "$status" -eq 0 ] && echo "killed $kills times: every INI file readable and whole, and a second F2 finished each time"
exit $status
