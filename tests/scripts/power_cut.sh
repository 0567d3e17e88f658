#!/usr/bin/env bash
# A power cut at any moment of an unattended F2 and F3 (Linux build, the
# demo's answer files) leaves every settings file the installer replaces
# (INI files, the installation record, project files, shortcuts) with
# either its old or its new content.
#   1. The order of the file calls that guarantees it: each run is recorded
#      with strace (file calls only). Every rename onto such a file must come
#      after an fsync of the renamed file (its data are on the disk before
#      the rename is) and be followed by an fsync of its folder (the rename
#      itself is on the disk before the run goes on).
#   2. The states a power cut leaves, given that order: for each such
#      rename, the run is stopped right before it (the old file and the
#      temporary one) and right after it, before its folder's fsync (the new,
#      whole file). On each state every INI file reads whole, and an F2
#      started again from the same medium ends with status 0: after a cut
#      F2 it leaves the same files and INI keys as one whole F2, after a cut
#      F3 every key a whole F2 writes.
# STRIDE=N replays only every Nth rename (default 1: every one).
set -euo pipefail
cd "$(dirname "$0")/../.."
command -v strace >/dev/null || { echo "strace is missing (scripts/packages.sh installs it)"; exit 1; }
strace -qq -e trace=none true 2>/dev/null || { echo "strace cannot trace programs on this machine"; exit 1; }
source tests/scripts/lib/native_runs.sh
stride=${STRIDE:-1}

status=0
fail() {
  echo "   FAILED: $1"
  status=1
}

# The renames onto settings files in the main thread's trace, in order, a
# line each: "ok|<why not> SOURCE RENAME-NUMBER FOLDER-FSYNC-NUMBER TARGET",
# the numbers counting the renames from that source and the fsyncs of the
# target's folder, the names relative to the machine, blanks as "|".
check_order() {
  awk -v root="$1/" '
    function dir(p) { sub(/\/[^\/]*$/, "", p); return p }
    function rel(p) { p = substr(p, length(root) + 1); gsub(/ /, "|", p); return p }
    function report(verdict, folder_count) {
      print verdict " " rel(source) " " renames[source] " " folder_count " " rel(waiting)
      waiting = ""
    }
    /^fsync\(|^fdatasync\(/ {
      if (!match($0, /<[^>]*>/) || $0 !~ /= 0$/) next
      path = substr($0, RSTART + 1, RLENGTH - 2)
      fsyncs[path]++
      synced[path] = 1
      if (waiting != "") report(path == dir(waiting) ? verdict : "no-fsync-of-its-folder", fsyncs[path])
      next
    }
    /^rename\(/ {
      if (!match($0, /^rename\("[^"]*", "[^"]*"\)/)) next
      split(substr($0, 9, RLENGTH - 10), args, /", "/)
      if (waiting != "") report("no-fsync-of-its-folder", 0)
      renames[args[1]]++
      if (tolower(args[2]) !~ /\.(ini|vpr|vdr|lnk)$/) next
      source = args[1]
      waiting = args[2]
      verdict = synced[source] ? "ok" : "data-not-flushed"
      synced[source] = 0
      if ($0 !~ /= 0$/) report("rename-failed", 0)
    }
    END { if (waiting != "") report("no-fsync-of-its-folder", 0) }
  ' "$2"
}

# play NAME ANSWERS: a whole run, its recorded order, then the stopped runs,
# each followed by an F2.
play() {
  local name=$1 answers=$2
  local reference=$work/$name-reference
  echo "== $name: a whole run, recorded"
  local got
  got=$(run_on "$reference" "$answers" strace -ff -qq -y -o "$work/$name.trace" \
    -e trace=openat,rename,renameat,renameat2,fsync,fdatasync)
  [ "$got" = 0 ] || { fail "the recorded run ended with status $got: $(tail -1 "$reference.transcript")"; return; }
  local main
  main=$(ls "$work/$name.trace".* | sort -t. -k3 -n | head -1)
  check_order "$reference" "$main" >"$work/$name.renames"
  local bad
  bad=$(grep -v '^ok ' "$work/$name.renames" || true)
  [ -z "$bad" ] || fail "renames out of order: $bad"
  echo "   $(wc -l <"$work/$name.renames") renames onto settings files, each after an fsync of the file and before one of its folder"
  [ -z "$bad" ] || return

  local n=0 verdict source count folder_count target states=0
  while read -r verdict source count folder_count target; do
    n=$((n + 1))
    [ $(((n - 1) % stride)) = 0 ] || continue
    source=${source//|/ }
    target=${target//|/ }
    local when
    for when in before after; do
      local c=$work/$name-cut
      rm -rf "$c" "$c.transcript"
      mkdir -p "$c"
      local killed
      if [ "$when" = before ]; then
        killed=$(run_on "$c" "$answers" strace -f -qq -o /dev/null -P "$c/$source" -e trace=rename \
          -e inject="rename:signal=KILL:when=$count")
      else
        killed=$(run_on "$c" "$answers" strace -f -qq -o /dev/null -P "$(dirname "$c/$target")" -e trace=fsync \
          -e inject="fsync:signal=KILL:when=$folder_count")
      fi
      states=$((states + 1))
      [ "$killed" = 137 ] || { fail "$when rename $count of $target: the run was not stopped there (status $killed)"; continue; }
      bad=$(unreadable_ini "$c")
      [ -z "$bad" ] || fail "$when rename $count of $target: INI files that cannot be read:$bad"
      got=$(run_on "$c" "$f2")
      if [ "$got" != 0 ]; then
        fail "$when rename $count of $target: the F2 started again ended with status $got: $(tail -1 "$c.transcript")"
      elif [ "$name" = F2 ] && ! diff <(files_of "$c") "$work/f2.files" >"$work/diff"; then
        fail "$when rename $count of $target: the F2 started again left other files: $(cat "$work/diff")"
      elif [ "$name" = F2 ] && ! diff <(ini_keys "$c") "$work/f2.keys" >"$work/diff"; then
        fail "$when rename $count of $target: the F2 started again left other keys: $(cat "$work/diff")"
      elif ! comm -23 "$work/f2.sorted-keys" <(ini_keys "$c" | sort) >"$work/diff" || [ -s "$work/diff" ]; then
        fail "$when rename $count of $target: the F2 started again left without keys a whole F2 writes: $(cat "$work/diff")"
      fi
    done
  done <"$work/$name.renames"
  echo "   $states states a power cut leaves: each readable, and an F2 started again finished and left what it leaves"
}

f2=$work/f2.txt
answers_until scripts/demo/answers.txt 'answer "Installation finished" OK' "$f2"
[ "$(run_on "$work/f2-whole" "$f2")" = 0 ] || { echo "a whole F2 failed: $(tail -1 "$work/f2-whole.transcript")"; exit 1; }
ini_keys "$work/f2-whole" >"$work/f2.keys"
sort "$work/f2.keys" | grep -v '^MEDIUM/' >"$work/f2.sorted-keys"
files_of "$work/f2-whole" >"$work/f2.files"
play F2 "$f2"
play F3 scripts/demo/custom.txt

[ "$status" = 0 ] && echo "a power cut at any rename of F2 and F3 leaves every settings file old or new, and a run started again repairs the rest"
exit $status
