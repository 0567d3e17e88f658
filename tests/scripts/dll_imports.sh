#!/usr/bin/env bash
# Setup.exe imports only the system's known DLLs; every other library is
# delay-loaded, after the program has limited the search to the system
# folder. A DLL put beside Setup.exe on a medium is then never loaded.
set -euo pipefail
cd "$(dirname "$0")/../.."
program=build/win32/Setup.exe
known=" advapi32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll ws2_32.dll imm32.dll rpcrt4.dll setupapi.dll "
imports=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
bad=0
for dll in $imports; do
  if [[ "$known" != *" $dll "* ]]; then
    echo "$program imports $dll, which is not a known DLL: delay-load it" >&2
    bad=1
  fi
done
echo "$program imports: $(echo $imports)"
# The program starts and ends under Wine with the delay-loaded libraries.
exit $bad
