#!/usr/bin/env bash
# The main job: builds both targets, makes the sample medium, runs the
# installer unattended from it (natively, then the Windows build under Wine)
# and shows what it did.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
root=$PWD/build/demo
rm -rf "$root"
mkdir -p "$root/c/Windows/System32"

echo "== Sample medium"
build/native/mkmedium "$root/medium" build/native/Setup build/native/standin src/resources/lang
(cd "$root/medium" && find . -type f | sort | sed 's|^\./|  |')
cp "$root/medium/Setup.ini" "$root/Setup.ini.before"

echo
echo "== Unattended run (Linux build), answer file scripts/demo/answers.txt"
status=0
VELMAR_DRIVES="C=$root/c;D=$root/medium" "$root/medium/Setup.exe" \
  /answers="$PWD/scripts/demo/answers.txt" /transcript="$root/transcript.txt" || status=$?
echo "exit status $status"

echo
echo "== What it wrote: Setup.ini on the medium"
diff -u --label before --label after <(tr -d '\r' <"$root/Setup.ini.before") <(tr -d '\r' <"$root/medium/Setup.ini") || true

echo
echo "== The same run of the Windows build under Wine, through its real windows on a virtual screen"
source scripts/wine-env.sh
build/native/mkmedium "$root/medium-win32" build/win32/Setup.exe build/win32/standin.exe src/resources/lang
winpath() { echo "Z:$1" | tr / '\\'; }
answers=$(winpath "$PWD/scripts/demo/answers.txt")
transcript=$(winpath "$root/transcript-win32.txt")
wine_status=0
pictures=$root/pictures
mkdir -p "$pictures"
(cd "$root/medium-win32" && timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" "$WINE" Setup.exe \
  /answers="$answers" /transcript="$transcript" /pictures="$(winpath "$pictures")" >/dev/null 2>&1) ||
  wine_status=$?
for f in "$pictures"/*.bmp; do [ -f "$f" ] && convert "$f" "${f%.bmp}.png" && rm "$f"; done
echo "pictures of the pages: $pictures"
echo "exit status $wine_status"
if diff -q "$root/transcript.txt" "$root/transcript-win32.txt" >/dev/null; then
  echo "The transcripts of both builds are the same."
else
  diff -u "$root/transcript.txt" "$root/transcript-win32.txt" || true
fi
exit $status
