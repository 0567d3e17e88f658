#!/usr/bin/env bash
# Times the installer's zip reader (vunzip extract) against Info-ZIP's unzip on
# the same release-like archive (about 300 MB in about 4000 files), several
# runs each, in turns, each into a fresh folder (or, with "overwrite", over
# the files the run before left). Prints output MB/s, the ratio of the
# medians and the peak memory (max RSS) of each.
#
#   bench/unzip_bench.sh [RUNS] [fresh|overwrite]
#   (work folder: $BENCH_DIR, default /tmp/velmar-unzip-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
mode=${2:-fresh}
work=${BENCH_DIR:-/tmp/velmar-unzip-bench}
vunzip=$PWD/build/native/vunzip

if [ ! -x /usr/bin/time ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq time
fi
[ -x "$vunzip" ] || { cmake --preset native >/dev/null && cmake --build --preset native --target vunzip; }

source bench/release_archive.sh
# Uncompressed bytes, as the archive lists them.
bytes=$(unzip -Zt "$archive" | sed -E 's/.* ([0-9]+) bytes uncompressed.*/\1/')
files=$(unzip -Z1 "$archive" | grep -vc '/$')
echo "Archive: $(du -m "$archive" | cut -f1) MB, $files files, $((bytes / 1000000)) MB unpacked"

# One timed run: prints "wall_seconds max_rss_kb".
timed() {
  local out=$1; shift
  [ "$mode" = overwrite ] || rm -rf "$out"
  sync
  /usr/bin/time -f '%e %M' -o "$work/time.txt" "$@" >/dev/null
  cat "$work/time.txt"
}

median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

: >"$work/vunzip.txt"
: >"$work/unzip.txt"
# Warm-up, which also leaves the trees that "overwrite" runs replace.
timed "$work/out-v" "$vunzip" extract "$archive" "$work/out-v" >/dev/null
timed "$work/out-u" unzip -q -o "$archive" -d "$work/out-u" >/dev/null
echo "Extracting $mode, $runs runs each:"
for ((i = 1; i <= runs; i++)); do
  timed "$work/out-v" "$vunzip" extract "$archive" "$work/out-v" >>"$work/vunzip.txt"
  timed "$work/out-u" unzip -q -o "$archive" -d "$work/out-u" >>"$work/unzip.txt"
done
diff -r "$work/out-v" "$work/out-u" >/dev/null && echo "Outputs are identical." || echo "OUTPUTS DIFFER"
rm -rf "$work/out-v" "$work/out-u"

report() {
  local name=$1 file=$2 wall rss
  wall=$(cut -d' ' -f1 "$file" | median)
  rss=$(cut -d' ' -f2 "$file" | sort -n | tail -1)
  awk -v n="$name" -v w="$wall" -v r="$rss" -v b="$bytes" -v all="$(cut -d' ' -f1 "$file" | tr '\n' ' ')" \
    'BEGIN {printf "%-8s median %6.2f s  %7.1f MB/s  peak %5.1f MB   (runs: %s)\n", n, w, b / w / 1e6, r / 1024, all}'
  echo "$wall" >"$work/$name.median"
}
report vunzip "$work/vunzip.txt"
report unzip "$work/unzip.txt"
awk -v a="$(cat "$work/vunzip.median")" -v b="$(cat "$work/unzip.median")" \
  'BEGIN {printf "vunzip/unzip time ratio %.2f (below 1: vunzip faster)\n", a / b}'
