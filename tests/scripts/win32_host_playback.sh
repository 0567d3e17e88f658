#!/usr/bin/env bash
# The Win32 host on a virtual screen: the host demo plays an answer file
# through real windows under Wine and Xvfb, must end by itself, must show
# every page and write the same transcript as the scripted host; then the
# window tests of the test program run on the same kind of screen.
# Pictures of the pages are left as PNG files in $VELMAR_PICTURES (default:
# build/win32/host-pictures).
set -euo pipefail
cd "$(dirname "$0")/../.."
demo=build/win32/hostdemo.exe
if [ ! -f "$demo" ]; then
  echo "no $demo: build the win32 target first"
  exit 1
fi

VELMAR_WORK=playback source scripts/wine-env.sh
# No window manager runs on the screen: Wine manages the windows itself and
# draws their frames (otherwise it would wait for one each time a window closes).
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
# Wine's own fonts (MS Sans Serif, Tahoma, Marlett for the caption buttons),
# where the prefix does not find them by itself.
if [ -d /usr/share/wine/fonts ]; then
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
# A Wine session started without a screen keeps none: let it end first.
wineserver -w

winpath() { echo "Z:${1//\//\\}"; }
pictures=$(realpath -m "${VELMAR_PICTURES:-build/win32/host-pictures}")
rm -rf "$pictures"
mkdir -p "$pictures"
answers=tests/scripts/win32_host_playback.answers
screen=(xvfb-run -a -s "-screen 0 1024x768x24")

status=0
timeout 120 "${screen[@]}" "$WINE" "$demo" --answers "$(winpath "$PWD/$answers")" \
  --pictures "$(winpath "$pictures")" --transcript "$(winpath "$work/win32.txt")" >"$work/win32.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  echo "host demo on windows: exit status $status (124: it did not end by itself)"
  tail -20 "$work/win32.log"
  exit 1
fi
timeout 60 "$WINE" "$demo" --scripted --answers "$(winpath "$PWD/$answers")" \
  --transcript "$(winpath "$work/scripted.txt")" >/dev/null 2>&1
grep "unzip dialog:" "$work/win32.log" || true
if ! diff -u "$work/scripted.txt" "$work/win32.txt"; then
  echo "the two hosts wrote different transcripts"
  exit 1
fi

for page in TMainForm TLanguageForm TWarnAdminForm THostDemoForm TDemoReadmeForm TUnzipForm TOverwriteDlg; do
  if ! ls "$pictures"/*-"$page".bmp >/dev/null 2>&1; then
    echo "no picture of $page: the page did not appear"
    exit 1
  fi
done
for bmp in "$pictures"/*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done

VELMAR_WINDOW_TESTS=1 timeout 300 "${screen[@]}" "$WINE" build/win32/velmar_tests.exe --gtest_filter='Win32Host*' \
  --gtest_brief=1 >"$work/tests.log" 2>&1 || { cat "$work/tests.log"; echo "window tests failed"; exit 1; }
grep -q "PASSED" "$work/tests.log" || { cat "$work/tests.log"; exit 1; }

echo "Win32 host playback: same transcript as the scripted host; pictures in $pictures"
