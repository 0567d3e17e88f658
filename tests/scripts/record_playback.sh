#!/usr/bin/env bash
# Recording answer files with Setup.exe /record under Wine on a virtual screen:
# 1. an answer file played through the real windows records a file, and that
#    file played on the page models alone (/headless) shows the same pages,
#    changes, message boxes and end (the actions may be spelt otherwise: a
#    check box already checked is not clicked, a message box is named by its
#    first line);
# 2. a person's run: real keyboard and mouse events (xdotool) choose the
#    language, read the readme, and install a project with a folder and a
#    shortcut name typed in; the file it records, played with /headless, must
#    give the very transcript the interactive run wrote.
# The recorded files and the transcripts are left in $VELMAR_RECORDINGS
# (default build/win32/recordings).
set -euo pipefail
cd "$(dirname "$0")/../.."
[ -f build/win32/Setup.exe ] || { echo "no build/win32/Setup.exe: build the win32 target first"; exit 1; }
command -v xdotool >/dev/null || { echo "no xdotool: run scripts/packages.sh"; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/velmar-record-XXXXXX")
export WINEPREFIX="$work/wine"
source scripts/wine-env.sh
export WINE
out=$(realpath -m "${VELMAR_RECORDINGS:-build/win32/recordings}")
rm -rf "$out"
mkdir -p "$out"
cleanup() {
  cp "$work"/*.txt "$out"/ 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
velmar_screen_prefix
wineserver -k 2>/dev/null || true
wineserver -w

winpath() { echo "Z:${1//\//\\}"; }
build/native/mkmedium "$work/pristine" build/win32/Setup.exe build/win32/standin.exe src/resources/lang >/dev/null
fresh() {
  # No Wine process of the run before stays, holding on to its virtual screen.
  wineserver -k 2>/dev/null || true
  wineserver -w
  velmar_clean_machine
  rm -rf "$work/medium"
  cp -r "$work/pristine" "$work/medium"
}
# Plays an answer file on the page models alone, on a clean machine.
headless() {
  fresh
  (cd "$work/medium" && timeout 120 "$WINE" Setup.exe /headless /answers="$(winpath "$1")" \
    /transcript="$(winpath "$2")" >/dev/null 2>&1) || { echo "the recorded file $1 did not play to its end:"; tail -5 "$2"; exit 1; }
}
without_actions() { grep -v '^> ' "$1"; }

echo "== an answer file played through the windows, recorded"
answers=$(winpath "$PWD/tests/scripts/project_playback.answers")
fresh
status=0
(cd "$work/medium" && timeout 180 xvfb-run -a -s "-screen 0 1024x768x24" "$WINE" Setup.exe \
  /answers="$answers" /record="$(winpath "$work/played.txt")" \
  /transcript="$(winpath "$work/played-windows.txt")" >"$work/played.log" 2>&1) || status=$?
[ "$status" -eq 0 ] || { echo "the playback ended with exit status $status"; tail -20 "$work/played.log"; exit 1; }
headless "$work/played.txt" "$work/played-again.txt"
if ! diff -u <(without_actions "$work/played-windows.txt") <(without_actions "$work/played-again.txt"); then
  echo "the recorded file does not show what the playback that recorded it showed"
  exit 1
fi

echo "== a person's run (keyboard and mouse under xdotool), recorded"
# The pages lie centred on the 1024x768 screen; the points are their controls.
# Keys go to the window under the pointer (there is no window manager).
cat >"$work/person.sh" <<'EOF'
set -u
"$WINE" Setup.exe /record="$RECORD" /transcript="$TRANSCRIPT" >/dev/null 2>&1 &
setup=$!
step() { sleep "${2:-1.5}"; eval "xdotool $1"; }
step "mousemove 415 376 click 1" 6   # language page: Polish
step "mousemove 418 401 click 1"     # English
step "key Return"                    # the default button, Next
step "mousemove 500 380 key Return" 2 # administrator warning: OK
step "mousemove 424 399 click 1" 2   # selection: F6, the readme
step "mousemove 498 510 click 1"     # Continue
step "mousemove 271 565 click 1" 3   # the readme's Close
step "mousemove 500 380 key Return" 2
step "key F5" 2                      # selection: a project
step "key Return" 2                  # administrator warning
step "mousemove 275 267 click 1" 3   # open Plant in the project tree
step "mousemove 325 283 click 1"     # its project
step "mousemove 601 517 click 1"     # Next
step "mousemove 600 375 click 1 key End shift+Home" 3
step "type --delay 50 'C:\\VelProj\\Line 2\\'" 0.5   # the folder, left with its backslash
step "mousemove 595 407 click 1 key End shift+Home"
step "type --delay 50 'Line 2'" 0.5  # the shortcut name
step "mousemove 622 482 click 1"     # Next: the folder loses its backslash first
step "mousemove 601 476 click 1" 2   # Finish
step "mousemove 512 384 key Return" 5 # "Finished installing the project": OK
step "mousemove 500 380 key Return" 2 # administrator warning
step "mousemove 648 510 click 1" 2   # selection: Exit
wait "$setup"
echo "$?" >"$STATUS"
EOF
fresh
(cd "$work/medium" && RECORD="$(winpath "$work/person.txt")" TRANSCRIPT="$(winpath "$work/person-windows.txt")" \
  STATUS="$work/person-status" timeout 150 xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/person.sh") || true
status=$(cat "$work/person-status" 2>/dev/null || echo "none (it did not end)")
if [ "$status" != 0 ]; then
  echo "the person's run ended with exit status $status; recorded so far:"
  cat "$work/person.txt" 2>/dev/null
  exit 1
fi
for step in 'select LangRG "English"' 'page TReadmeViewForm' 'select ProjectTV "Plant" "Plant"' \
  'type FolderEdit "C:\VelProj\Line 2\"' 'type LinkNameEdit "Line 2"' 'answer "Finished installing the project" OK'; do
  grep -qF "$step" "$work/person.txt" || { echo "not recorded: $step"; cat "$work/person.txt"; exit 1; }
done
headless "$work/person.txt" "$work/person-again.txt"
if ! diff -u "$work/person-windows.txt" "$work/person-again.txt"; then
  echo "the recorded file does not play back to the person's transcript"
  exit 1
fi
echo "Setup.exe /record: both recordings play back to the transcripts of the runs that made them"
