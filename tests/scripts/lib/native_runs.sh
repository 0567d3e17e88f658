# Sourced by the scripts that play unattended runs of the Linux build on
# machines that are folders: the programs, a work folder removed at the end,
# the sample medium, one run, and what a run left (files and INI keys).
native=$PWD/build/native
for program in Setup mkmedium standin iniread; do
  [ -x "$native/$program" ] || { echo "no build/native/$program: build the native target first"; exit 1; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/velmar-runs-XXXXXX")
trap 'rm -rf "$work"' EXIT
medium=$work/medium
"$native/mkmedium" "$medium" "$native/Setup" "$native/standin" src/resources/lang >/dev/null

# An answer file of the demo's up to the end of its first function, then
# leaving: answers_until FILE LAST-ANSWER-LINE OUT.
answers_until() {
  sed "/^$2\$/q" "$1" >"$3"
  printf 'page TWarnAdminForm\n  click OkBtn\npage TSelectForm\n  click CloseBtn\n' >>"$3"
}

# One run on machine C (a folder) with the answer file ANSWERS; extra
# arguments go before the program (strace and its options). Prints the exit
# status; the transcript is C.transcript.
run_on() {
  local c=$1 answers=$2
  shift 2
  local status=0
  mkdir -p "$c/Windows/System32"
  VELMAR_DRIVES="C=$c;D=$medium" VELMAR_COM2=/dev/ptmx timeout 120 "$@" "$medium/Setup.exe" /answers="$answers" \
    /transcript="$c.transcript" >/dev/null 2>"$c.err" || status=$?
  echo "$status"
}

# Every INI file of machine C, each key a line "FILE: [Section] Key=Value"
# with FILE relative to C, the time of the run as <time>; the medium's
# Setup.ini as "MEDIUM/Setup.ini".
ini_keys() {
  local c=$1 file
  {
    (cd "$c" && find . -type f \( -iname '*.ini' -o -iname '*.vpr' \) | sort) | while read -r file; do
      "$native/iniread" "$c/${file#./}" | sed "s|^|${file#./}: |"
    done
    "$native/iniread" "$medium/Setup.ini" | sed 's|^|MEDIUM/Setup.ini: |'
  } | sed -E 's#[0-9]{2}/[0-9]{2}/[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}#<time>#g'
}
# The INI files of machine C the installer's reader cannot read.
unreadable_ini() {
  local c=$1 file bad=""
  while read -r file; do
    "$native/iniread" "$file" >/dev/null 2>&1 || bad+=" ${file#"$c"/}"
  done < <(find "$c" -type f \( -iname '*.ini' -o -iname '*.vpr' \))
  echo "$bad"
}
files_of() { (cd "$1" && find . | sort | grep -v '^\./Velmar/Install\.log$'); }
