#!/usr/bin/env bash
# The main job: builds both targets, makes the sample medium, installs the
# product from it unattended with F2, a project with F5 and a patch with F4
# (the Linux build), shows what they made, removes the product with F8 and
# shows what is left, then runs a customer's install with F3 on the machine
# made clean again; then plays the F2 to F8 answer files through the Windows
# build's real windows under Wine and compares the two runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
root=$PWD/build/demo
answers=$PWD/scripts/demo/answers.txt
uninstall=$PWD/scripts/demo/uninstall.txt
custom=$PWD/scripts/demo/custom.txt
rm -rf "$root"
mkdir -p "$root/c/Windows/System32"

# Files the product keeps in the Windows code page, shown as UTF-8 with Unix line ends.
show() { echo "-- $2"; iconv -f CP1252 -t UTF-8 "$1" | tr -d '\r' | sed 's/^/   /'; }
shortcuts() {
  (cd "$1" && find . -iname '*.lnk' | sort) | while read -r link; do
    echo "-- ${link#./}"
    "$2" "$1/$link" | sed 's/^/   /'
  done
}

echo "== Sample medium (drive D:)"
build/native/mkmedium "$root/medium" build/native/Setup build/native/standin src/resources/lang
(cd "$root/medium" && find . -type f | sort | sed 's|^\./|  |')
echo "-- checked by medcheck --verbose"
build/native/medcheck --verbose "$root/medium" | sed 's/^/   /'

echo
echo "== F2, F5 and F4 unattended (Linux build), answer file scripts/demo/answers.txt"
status=0
VELMAR_DRIVES="C=$root/c;D=$root/medium" "$root/medium/Setup.exe" \
  /answers="$answers" /transcript="$root/transcript.txt" >/dev/null || status=$?
echo "exit status $status; the run page by page (the whole transcript: build/demo/transcript.txt):"
grep -E '^(page |> |message box|  \| |end:)' "$root/transcript.txt" | sed 's/^/  /'

c=$root/c
echo
echo "== The product folder C:\\Velmar"
(cd "$c/Velmar" && find . | sort | sed 's|^\./|  |;/^\.$/d')
echo
echo "== The projects folder C:\\VelProj (the new user project, the demo project, the Site project)"
(cd "$c/VelProj" && find . | sort | sed 's|^\./|  |;/^\.$/d')
echo
echo "== What the installations wrote"
show "$c/Velmar/Velmar.ini" 'C:\Velmar\Velmar.ini'
show "$c/Windows/Vel_Inst.ini" 'C:\Windows\Vel_Inst.ini (the installation record)'
show "$c/Velmar/Install/Setup.ini" 'C:\Velmar\Install\Setup.ini (the installed settings)'
show "$c/Velmar/Install.log" 'C:\Velmar\Install.log'
echo
echo "== The shortcuts it made, read back by lnkinfo"
shortcuts "$c" build/native/lnkinfo
echo
echo "== The extra install commands"
echo "-- Extras\\standin.log on the medium (what RUN started)"
sed 's/^/   /' "$root/medium/Extras/standin.log" | tr -d '\r'
ls -l "$c/Windows/System32" | tail -n +2 | sed 's/^/   /'

echo
echo "== F8 unattended (Linux build), answer file scripts/demo/uninstall.txt"
VELMAR_DRIVES="C=$root/c;D=$root/medium" "$root/medium/Setup.exe" \
  /answers="$uninstall" /transcript="$root/transcript-f8.txt" >/dev/null || status=$?
echo "exit status $status; the uninstall dialog's list at its end:"
sed -n '/^page TUnInstallDlg/,/^closed TUnInstallDlg/p' "$root/transcript-f8.txt" | sed -n '/^  LB: list box$/,/^  [A-Z]/p' |
  sed '$d'
echo "-- What is left of the product folder C:\\Velmar (the user's projects in C:\\VelProj stay):"
(cd "$c/Velmar" && find . | sort | sed 's|^\./|  |;/^\.$/d')
echo "-- Shortcuts left: $(cd "$c" && find . -iname '*.lnk' | wc -l)"

echo
echo "== F3 unattended (Linux build) on a clean machine, answer file scripts/demo/custom.txt"
echo "   (serial port COM2 is a pseudo-terminal: VELMAR_COM2=/dev/ptmx; COM1, COM3 and COM4 do not open)"
c3=$root/c3
mkdir -p "$c3/Windows/System32"
VELMAR_DRIVES="C=$c3;D=$root/medium" VELMAR_COM2=/dev/ptmx "$root/medium/Setup.exe" \
  /answers="$custom" /transcript="$root/transcript-f3.txt" >/dev/null || status=$?
echo "exit status $status; the customer's pages (the whole transcript: build/demo/transcript-f3.txt):"
sed -n '/^page TCustomSelectForm/,/^closed TCustomSelectForm/p;/^page TBrentaPortForm/,/^closed TBrentaPortForm/p' \
  "$root/transcript-f3.txt" | sed 's/^/  /'
echo "-- The customer's project folder C:\\VelProj\\Harbour"
(cd "$c3/VelProj/Harbour" && find . | sort | sed 's|^\./|   |;/^\.$/d')
show "$c3/VelProj/Harbour/Harbour.VPR" 'C:\VelProj\Harbour\Harbour.VPR (stamped by the installer)'
echo "-- The port of each driver file (one digit after \"ComPortNum[\" and a byte), on the medium and installed"
for f in "$root"/medium/Custom/Harbour/Harbour.zip "$c3"/VelProj/Harbour/*.vdr; do
  case $f in
    *.zip) unzip -p "$f" '*.vdr' | grep -ao 'ComPortNum\[.[0-9]' | sed 's/^/   on the medium: /' ;;
    *) echo "   $(basename "$f"): $(grep -ao 'ComPortNum\[.[0-9]' "$f")" ;;
  esac
done | cat -v
echo "-- The custom folder kept in the installer's copy: $(cd "$c3/Velmar/Install" && find Custom -type f | sort | tr '\n' ' ')"
grep -E 'custom|driver|Harbour' "$c3/Velmar/Install.log" | tr -d '\r' | sed 's/^/   /'

echo
echo "== The same runs of the Windows build through its real windows, under Wine on a virtual screen"
source scripts/wine-env.sh
build/native/mkmedium "$root/medium-win32" build/win32/Setup.exe build/win32/standin.exe src/resources/lang
build/native/medcheck "$root/medium-win32" | sed 's/^/   /'
wc=$WINEPREFIX/drive_c
velmar_clean_machine
# The medium is drive D: there as here, so both transcripts name the same paths.
ln -sfn "$root/medium-win32" "$WINEPREFIX/dosdevices/d:"
winpath() { echo "Z:$1" | tr / '\\'; }
pictures=$root/pictures
mkdir -p "$pictures"
wine_status=0
(cd "$root/medium-win32" && timeout 600 xvfb-run -a -s "-screen 0 1024x768x24" "$WINE" 'D:\Setup.exe' \
  /answers="$(winpath "$answers")" /transcript="$(winpath "$root/transcript-win32.txt")" \
  /pictures="$(winpath "$pictures")" >/dev/null 2>&1) || wine_status=$?
(cd "$root/medium-win32" && timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" "$WINE" 'D:\Setup.exe' \
  /answers="$(winpath "$uninstall")" /transcript="$(winpath "$root/transcript-f8-win32.txt")" >/dev/null 2>&1) ||
  wine_status=$?
for f in "$pictures"/*.bmp; do [ -f "$f" ] && convert "$f" "${f%.bmp}.png" && rm "$f"; done
echo "exit status $wine_status; pictures of the pages: $pictures"
for run in transcript transcript-f8; do
  if diff -q "$root/$run.txt" "$root/$run-win32.txt" >/dev/null; then
    echo "The transcripts of both builds are the same: $run.txt."
  else
    diff -u "$root/$run.txt" "$root/$run-win32.txt" || true
  fi
done
if diff <(cd "$c/Velmar" && find . | sort) <(cd "$wc/Velmar" && find . | sort) >/dev/null; then
  echo "Both builds left the same files in C:\\Velmar."
else
  echo "What is left of the product folders differs (< Linux build, > Windows build):"
  diff <(cd "$c/Velmar" && find . | sort) <(cd "$wc/Velmar" && find . | sort) || true
fi
exit $status
