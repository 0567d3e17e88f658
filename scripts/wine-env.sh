# Sourced by scripts that run Windows programs: a private Wine prefix, quiet.
# A script that names its work (VELMAR_WORK=fit) gets a work folder of its
# own, $work, with the Wine prefix inside; both go when the script ends.
if [ -n "${VELMAR_WORK:-}" ]; then
  work=$(mktemp -d "${TMPDIR:-/tmp}/velmar-$VELMAR_WORK-XXXXXX")
  export WINEPREFIX="$work/wine"
  velmar_cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
  }
  trap velmar_cleanup EXIT
fi
export WINEDEBUG=-all
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX="${TMPDIR:-/tmp}/velmar-wine-$(id -u)"
fi
WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1 || true
  # Windows of their own, not handed to a window manager: a virtual screen has
  # none, and Wine would wait two seconds for it each time a window closes.
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
  wineserver -w || true
fi

# A prefix for pictures of real windows: windows without the window manager's
# frames, and Wine's own fonts.
velmar_screen_prefix() {
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  if [ -d /usr/share/wine/fonts ]; then
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
}

# Takes away what an earlier run installed into the prefix's drive C:, so that
# the next run meets a machine without the product.
velmar_clean_machine() {
  local c=$WINEPREFIX/drive_c
  # A Wine server left from an earlier run keeps that run's screen, which may
  # be gone: the next program could make no window on its own.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$c/Velmar" "$c/VelProj" "$c/windows/Vel_Inst.ini" "$c/windows/system32/VelOpc.dll"
  find "$c/users" -depth -iname 'Velmar*' -path '*Start Menu*' -exec rm -rf {} + 2>/dev/null || true
  find "$c/users" -ipath '*Desktop*' \( -iname 'Velmar.lnk' -o -iname 'Archive viewer.lnk' -o \
    -iname 'SMS Server.lnk' \) -delete 2>/dev/null || true
  find "$c/users" -ipath '*Startup*' -iname 'Velmar.lnk' -delete 2>/dev/null || true
}
