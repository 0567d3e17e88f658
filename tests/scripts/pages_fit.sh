#!/usr/bin/env bash
# Every page and dialog of Setup.exe, in each of its four languages and at
# several screen scales, played through its real windows under Wine and Xvfb
# with the fit check on: a text without room in its control, controls that
# overlap or leave their page, or an access key used twice on a page is a
# misfit, and any misfit fails the script. The answer files of the demo and of
# the playback scripts show the pages of F2 to F8, the unique name dialog, the
# unzip dialog and the messages; each is written over in the language played
# (pages_fit.py). The screen is 1024 x 768 at 96 DPI and as much larger as the
# scale, so that the pages see the same screen at every scale.
#
# VELMAR_FIT_SCALES (default "96 144") and VELMAR_FIT_LANGUAGES (default
# "49 44 33 48") choose what is played. With VELMAR_FIT_PICTURES=FOLDER the
# pages of the project install (F5) are pictured in German at 144 DPI and in
# English at 96 DPI into FOLDER as PNG files.
set -euo pipefail
cd "$(dirname "$0")/../.."
[ -f build/win32/Setup.exe ] || { echo "no build/win32/Setup.exe: build the win32 target first"; exit 1; }
[ -f build/native/mkmedium ] || { echo "no build/native/mkmedium: build the native target first"; exit 1; }

scales=${VELMAR_FIT_SCALES:-96 144}
languages=${VELMAR_FIT_LANGUAGES:-49 44 33 48}
answer_files="scripts/demo/answers.txt scripts/demo/custom.txt tests/scripts/project_playback.answers
  tests/scripts/uninstall_playback.answers tests/scripts/pages_fit.answers"

VELMAR_WORK=fit source scripts/wine-env.sh
velmar_screen_prefix
"$WINE" reg add 'HKLM\Software\Wine\Ports' /v COM2 /t REG_SZ /d /dev/ptmx /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
wineserver -w

winpath() { echo "Z:${1//\//\\}"; }
build/native/mkmedium "$work/pristine" build/win32/Setup.exe build/win32/standin.exe src/resources/lang >/dev/null
report="$work/report.txt"
: >"$report"
failed=0

# play ANSWERS LANGUAGE DPI [PICTURES]: one run, its fit report added to the report.
play() {
  local answers=$1 language=$2 dpi=$3 pictures=${4:-}
  local width=$((1024 * dpi / 96)) height=$((768 * dpi / 96))
  local name
  name=$(basename "$answers")
  python3 tests/scripts/pages_fit.py src/resources/lang "$language" "$work/pristine/Custom/Custom.ini" <"$answers" >"$work/answers.txt"
  velmar_clean_machine
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -k 2>/dev/null || true
  wineserver -w
  rm -rf "$work/medium" && cp -r "$work/pristine" "$work/medium"
  local extra=()
  [ -n "$pictures" ] && extra=(/pictures="$(winpath "$pictures")")
  local status=0
  (cd "$work/medium" && timeout 300 xvfb-run -a -s "-screen 0 ${width}x${height}x24 -dpi $dpi" "$WINE" Setup.exe \
    /answers="$(winpath "$work/answers.txt")" /fitcheck="$(winpath "$work/fit.txt")" "${extra[@]}" \
    >"$work/run.log" 2>&1) || status=$?
  if [ "$status" -ne 0 ]; then
    echo "$name in language $language at $dpi dpi: exit status $status"
    tail -5 "$work/run.log"
    failed=1
  fi
  tr -d '\r' <"$work/fit.txt" | sed "s/^/$language $dpi /" >>"$report"
}

for dpi in $scales; do
  for language in $languages; do
    for answers in $answer_files; do play "$answers" "$language" "$dpi"; done
  done
done

if [ -n "${VELMAR_FIT_PICTURES:-}" ]; then
  for shot in "49 144" "44 96"; do
    set -- $shot
    folder=$(realpath -m "$VELMAR_FIT_PICTURES/$1-$2")
    rm -rf "$folder" && mkdir -p "$folder"
    play tests/scripts/project_playback.answers "$1" "$2" "$folder"
    for f in "$folder"/*.bmp; do convert "$f" "${f%.bmp}.png" && rm "$f"; done
  done
  # Each page of the flow in German at 150 % beside English at 100 %, one below the other.
  rows=()
  for page in TPickProjectForm TProjectCheckForm TReadyToInstProjForm TUniqueNameDlg; do
    german=$(ls "$VELMAR_FIT_PICTURES"/49-144/*-"$page".png | tail -1)
    english=$(ls "$VELMAR_FIT_PICTURES"/44-96/*-"$page".png | tail -1)
    convert "$german" "$english" -background white -gravity north -splice 0x8 +append "$work/row-$page.png"
    rows+=("$work/row-$page.png")
  done
  convert "${rows[@]}" -background white -gravity west -append +repage "$VELMAR_FIT_PICTURES/side-by-side.png"
fi

grep ' misfit ' "$report" | sort -u | sed -e 's/ at [0-9]* dpi$//' | sed 's/^\([0-9]*\) \([0-9]*\) misfit /language \1, \2 dpi: /' || true
pages=$(awk '$3 == "page" {print $4}' "$report" | sort -u | wc -l)
misfits=$({ grep " misfit " "$report" || true; } | cut -d" " -f1,2,4- | sort -u | wc -l)
count() { echo $#; }
echo "$pages pages x $(count $languages) languages x $(count $scales) scales: $misfits misfits"
[ "$misfits" -eq 0 ] && [ "$failed" -eq 0 ]
