#!/usr/bin/env bash
# A short run of every fuzz target from its seeds: each parser of hostile
# input survives a few seconds of the fuzzer. The long runs: scripts/fuzz.sh.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/fuzz.sh 5
