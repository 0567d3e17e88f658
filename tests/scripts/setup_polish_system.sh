#!/usr/bin/env bash
# Setup on a Polish system, started through its own entry on both builds: the
# Linux build with VELMAR_CODEPAGE=1250, the Windows build under Wine in a
# Polish locale (code page 1250) through its real windows on a virtual screen.
# The answer file, the transcript and the pictures folder lie in folders whose
# names hold Polish letters. The installation record names a product folder
# with Polish letters in code page 1250: the run must find it, write the
# chosen language into the product's Setup.ini there and keep its folders as
# they were, and show a readme written in code page 1250 with its letters.
# Then the same machine with a Japanese code page (932), which the installer
# cannot convert: the run must fail at start-up and name the file and the code
# page.
set -euo pipefail
cd "$(dirname "$0")/../.."
for f in build/native/Setup build/native/mkmedium build/native/standin build/win32/Setup.exe build/win32/standin.exe; do
  [ -f "$f" ] || { echo "no $f: build both targets first"; exit 1; }
done

VELMAR_WORK=polish source scripts/wine-env.sh

# Wine takes its code page, and the charset of file names and arguments, from
# the locale; this machine need not have the Polish and Japanese ones.
export LOCPATH="$work/locales"
mkdir -p "$LOCPATH"
for locale in pl_PL ja_JP; do
  localedef -i "$locale" -c -f UTF-8 "$LOCPATH/$locale.UTF-8" >/dev/null 2>&1 || true
  [ -d "$LOCPATH/$locale.UTF-8" ] || { echo "localedef cannot make $locale.UTF-8 (package locales)"; exit 1; }
done

winpath() { echo "Z:${1//\//\\}"; }
cp1250() { iconv -f UTF-8 -t CP1250; }
crlf() { printf '%s\r\n' "$@"; }

product='C:\Zakład Łódź\Velmar'
record() { crlf '[Install]' "Velmar=$product\\"; }
product_ini() {  # product_ini LANGUAGE
  crlf '[Config]' "Language=$1" '[Install]' "VelmarPath=$product" "ProjectsPath=C:\\Zakład Łódź\\Projekty" \
    "LinkPath=$product\\Projects" '[Project]' 'ProjectFile=' 'LinkName=' 'Project=' 'Customer=Żółw i syn'
}

answers="$work/Odpowiedzi żółwia/Język.txt"
mkdir -p "$(dirname "$answers")" "$work/Zapis ąę" "$work/Obrazy źć"
cat >"$answers" <<'EOF'
# Polish, the readme, and leave.
page TLanguageForm
  select LangRG "Polish"
  click ContinueBtn
page TWarnAdminForm
  click OkBtn
page TSelectForm
  key F6
page TReadmeViewForm
  key Esc
page TWarnAdminForm
  key Enter
page TSelectForm
  click CloseBtn
EOF

# A machine: the medium (in a folder with Polish letters too), the Windows
# folder with the installation record, the product folder it names.
machine() {  # machine MEDIUM CDRIVE WINDOWS_FOLDER SETUP STANDIN
  build/native/mkmedium "$1" "$4" "$5" src/resources/lang >/dev/null
  # Without the customers' installs, whose French lines a Japanese system
  # cannot read either: the first file read in the ANSI code page is the record.
  rm -rf "$1/Custom"
  crlf 'Zakład Łódź: plik readme' | cp1250 >"$1/Readme.txt"
  mkdir -p "$3" "$2/Zakład Łódź/Velmar/Install"
  record | cp1250 >"$3/Vel_Inst.ini"
  printf 'the project manager' >"$2/Zakład Łódź/Velmar/VelmarPM.exe"
  product_ini 1 | cp1250 >"$2/Zakład Łódź/Velmar/Install/Setup.ini"
}

status=0
fail() {
  echo "$1"
  status=1
}
check_polish_run() {  # check_polish_run NAME EXIT TRANSCRIPT CDRIVE
  [ "$2" -eq 0 ] || fail "$1: exit status $2"
  [ -f "$3" ] || { fail "$1: no transcript in $(dirname "$3")"; return; }
  [ "$(tail -1 "$3")" = "end: finished" ] || fail "$1: the transcript ends with: $(tail -1 "$3")"
  grep -qF '| Zakład Łódź: plik readme' "$3" || fail "$1: the readme's Polish letters were not shown"
  cmp -s <(product_ini 3 | cp1250) "$4/Zakład Łódź/Velmar/Install/Setup.ini" ||
    fail "$1: the product's Setup.ini in the recorded folder was not kept and updated in code page 1250"
}

echo "== Linux build, VELMAR_CODEPAGE=1250"
machine "$work/linux/Nośnik" "$work/linux/c" "$work/linux/c/Windows" build/native/Setup build/native/standin
drives="C=$work/linux/c;D=$work/linux/Nośnik"
run=0
(cd "$work/linux/Nośnik" && VELMAR_DRIVES="$drives" VELMAR_CODEPAGE=1250 timeout 60 ./Setup.exe /answers="$answers" \
  /transcript="$work/Zapis ąę/Linux.txt" >/dev/null 2>"$work/linux.err") || run=$?
check_polish_run "Linux build" "$run" "$work/Zapis ąę/Linux.txt" "$work/linux/c"

echo "== Windows build under Wine, Polish locale, real windows"
wine_c="$WINEPREFIX/drive_c"
machine "$work/windows/Nośnik" "$wine_c" "$wine_c/windows" build/win32/Setup.exe build/win32/standin.exe
run=0
(cd "$work/windows/Nośnik" && LC_ALL=pl_PL.UTF-8 timeout 180 xvfb-run -a -s "-screen 0 1024x768x24" "$WINE" Setup.exe \
  /answers="$(winpath "$answers")" /transcript="$(winpath "$work/Zapis ąę/Windows.txt")" \
  /pictures="$(winpath "$work/Obrazy źć")" >/dev/null 2>"$work/windows.err") || run=$?
check_polish_run "Windows build" "$run" "$work/Zapis ąę/Windows.txt" "$wine_c"
ls "$work/Obrazy źć/"*-TReadmeViewForm-screen.bmp >/dev/null 2>&1 || fail "Windows build: no pictures in the folder"
if [ -f "$work/Zapis ąę/Linux.txt" ] && [ -f "$work/Zapis ąę/Windows.txt" ] &&
  ! diff -u "$work/Zapis ąę/Linux.txt" "$work/Zapis ąę/Windows.txt"; then
  fail "the two builds wrote different transcripts"
fi

echo "== Both builds with code page 932"
japanese="the installer cannot convert letters beyond ASCII in code page 932"
run=0
(cd "$work/linux/Nośnik" && VELMAR_DRIVES="$drives" VELMAR_CODEPAGE=932 timeout 60 ./Setup.exe /answers="$answers" \
  /transcript="$work/Zapis ąę/Linux-932.txt" >/dev/null 2>&1) || run=$?
[ "$run" -eq 3 ] || fail "Linux build, 932: exit status $run"
grep -qF "end: failed: Cannot read C:\\Windows\\Vel_Inst.ini: $japanese" "$work/Zapis ąę/Linux-932.txt" ||
  fail "Linux build, 932: the transcript does not name the record and the code page"
run=0
(cd "$work/windows/Nośnik" && LC_ALL=ja_JP.UTF-8 timeout 120 "$WINE" Setup.exe /headless /answers="$(winpath "$answers")" \
  /transcript="$(winpath "$work/Zapis ąę/Windows-932.txt")" >/dev/null 2>&1) || run=$?
[ "$run" -eq 3 ] || fail "Windows build, 932: exit status $run"
grep -qiF "end: failed: Cannot read C:\\windows\\Vel_Inst.ini: $japanese" "$work/Zapis ąę/Windows-932.txt" ||
  fail "Windows build, 932: the transcript does not name the record and the code page"

if [ "$status" -ne 0 ]; then
  for f in "$work"/*.err; do echo "-- $f"; tail -5 "$f"; done
  exit 1
fi
echo "Setup kept Polish folders on a Polish system and named the file and the code page on a Japanese one"
