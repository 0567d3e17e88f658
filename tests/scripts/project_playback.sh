#!/usr/bin/env bash
# A project installation (F5, twice: in place, and with a shortcut name that
# is taken) and a patch (F4) played through Setup.exe's real windows under
# Wine, with the same checks as the product installation's playback. Pictures
# of the pages in $VELMAR_PICTURES (default build/win32/project-pictures).
set -euo pipefail
cd "$(dirname "$0")/../.."
export VELMAR_PLAYBACK_ANSWERS=tests/scripts/project_playback.answers
export VELMAR_PLAYBACK_PAGES="TPickProjectForm TProjectCheckForm TReadyToInstProjForm TUniqueNameDlg \
TInstallPatchForm TPatchReadyForm TUnzipForm"
export VELMAR_PICTURES=${VELMAR_PICTURES:-build/win32/project-pictures}
exec bash tests/scripts/setup_playback.sh
