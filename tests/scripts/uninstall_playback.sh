#!/usr/bin/env bash
# The product installed (F2) and removed (F8) through Setup.exe's real
# windows under Wine, with the same checks as the product installation's
# playback. Pictures of the pages in $VELMAR_PICTURES (default
# build/win32/uninstall-pictures).
set -euo pipefail
cd "$(dirname "$0")/../.."
export VELMAR_PLAYBACK_ANSWERS=tests/scripts/uninstall_playback.answers
export VELMAR_PLAYBACK_PAGES="TUnInstallDlg"
export VELMAR_PICTURES=${VELMAR_PICTURES:-build/win32/uninstall-pictures}
exec bash tests/scripts/setup_playback.sh
