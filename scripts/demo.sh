#!/usr/bin/env bash
# The main job: builds, makes a sample and runs it. Grows with the installer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
echo "Nothing to demonstrate yet beyond the build."
