#!/usr/bin/env bash
# Setup.exe on a virtual screen: the demo's answer file is played through the
# installer's real windows under Wine and Xvfb. The run must end by itself,
# show every page of a product installation, and write the same transcript as the
# same file played on the page models alone (/headless). Pictures of the pages
# are left as PNG files in $VELMAR_PICTURES (default build/win32/setup-pictures).
# Another answer file may be played instead ($VELMAR_PLAYBACK_ANSWERS), with
# the pages it must show ($VELMAR_PLAYBACK_PAGES).
set -euo pipefail
cd "$(dirname "$0")/../.."
[ -f build/win32/Setup.exe ] || { echo "no build/win32/Setup.exe: build the win32 target first"; exit 1; }

VELMAR_WORK=setup source scripts/wine-env.sh
velmar_screen_prefix
# A serial port for a customer's install: COM2 is a pseudo-terminal.
"$WINE" reg add 'HKLM\Software\Wine\Ports' /v COM2 /t REG_SZ /d /dev/ptmx /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
wineserver -w

winpath() { echo "Z:${1//\//\\}"; }
pictures=$(realpath -m "${VELMAR_PICTURES:-build/win32/setup-pictures}")
rm -rf "$pictures"
mkdir -p "$pictures"
build/native/mkmedium "$work/medium" build/win32/Setup.exe build/win32/standin.exe src/resources/lang
cp -r "$work/medium" "$work/medium-pristine"
answers=$(winpath "$PWD/${VELMAR_PLAYBACK_ANSWERS:-scripts/demo/answers.txt}")

status=0
(cd "$work/medium" && timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" "$WINE" Setup.exe /answers="$answers" \
  /pictures="$(winpath "$pictures")" /transcript="$(winpath "$work/windows.txt")" >"$work/windows.log" 2>&1) ||
  status=$?
if [ "$status" -ne 0 ]; then
  echo "Setup.exe on windows: exit status $status (124: it did not end by itself)"
  tail -20 "$work/windows.log"
  exit 1
fi
# The same medium, as it was, on the same machine without the product: both
# runs then name the same paths.
velmar_clean_machine
rm -rf "$work/medium" && mv "$work/medium-pristine" "$work/medium"
(cd "$work/medium" && timeout 120 "$WINE" Setup.exe /headless /answers="$answers" \
  /transcript="$(winpath "$work/headless.txt")" >/dev/null 2>&1)
if ! diff -u "$work/headless.txt" "$work/windows.txt"; then
  echo "the windows and the page models wrote different transcripts"
  exit 1
fi
pages=${VELMAR_PLAYBACK_PAGES:-TLanguageForm TSelectForm TMainInstallForm TSelectVelZipForm TWinLinksForm \
  TProjectOptionsForm TDemoInstallForm TReadyToInstallForm TUnzipForm}
for page in $pages; do
  if ! ls "$pictures"/*-"$page"-screen.bmp >/dev/null 2>&1; then
    echo "no picture of $page: the page did not appear"
    exit 1
  fi
done
for f in "$pictures"/*.bmp; do convert "$f" "${f%.bmp}.png" && rm "$f"; done
echo "Setup.exe played $(basename "${VELMAR_PLAYBACK_ANSWERS:-the demo}") through real windows; pictures in $pictures"
