#!/usr/bin/env bash
# A customer's install (F3) chosen from the sample medium's two, played
# through Setup.exe's real windows under Wine, with the same checks as the
# product installation's playback. Pictures of the pages in $VELMAR_PICTURES
# (default build/win32/custom-pictures).
set -euo pipefail
cd "$(dirname "$0")/../.."
export VELMAR_PLAYBACK_ANSWERS=scripts/demo/custom.txt
export VELMAR_PLAYBACK_PAGES="TSelectForm TCustomSelectForm TBrentaPickVprForm TProjectOptionsForm TBrentaPortForm \
TReadyToInstallForm TUnzipForm"
export VELMAR_PICTURES=${VELMAR_PICTURES:-build/win32/custom-pictures}
exec bash tests/scripts/setup_playback.sh
