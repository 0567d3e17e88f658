#!/usr/bin/env bash
# Times the installer's zip reader (vunzip extract, which inflates on a second
# thread ahead of the one that writes) against the same reader on one thread
# (vunzip extract --one-thread) and Info-ZIP's unzip, on the same release-like
# archive (about 300 MB in about 4000 files): several rounds, the three in
# turn in each, each into a fresh folder (or, with "overwrite", over the files
# the round before left). Prints output MB/s, peak memory (max RSS), the
# ratios of the median throughputs, and the load of the machine.
#
#   bench/unzip_bench.sh [RUNS] [fresh|overwrite] [native|wine]
#   (work folder: $BENCH_DIR, default /tmp/velmar-unzip-bench)
#
# "wine" times the Windows build (build/win32/vunzip.exe) under Wine (a
# prefix of its own in the work folder), with and without the second thread;
# unzip runs natively beside it for scale.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
mode=${2:-fresh}
target=${3:-native}
work=${BENCH_DIR:-/tmp/velmar-unzip-bench}

if [ ! -x /usr/bin/time ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq time
fi
if [ "$target" = wine ]; then
  [ -f build/win32/vunzip.exe ] || { cmake --preset win32 >/dev/null && cmake --build --preset win32 --target vunzip; }
  # A Wine prefix of its own: a server shared with other Wine programs would time them too.
  export WINEPREFIX=$work/wine-prefix
  source scripts/wine-env.sh
  vunzip="$WINE $PWD/build/win32/vunzip.exe"
  "$WINE" cmd /c exit 2>/dev/null || true  # start the Wine server before the clock runs
  trap 'wineserver -k 2>/dev/null || true' EXIT
else
  [ -x build/native/vunzip ] || { cmake --preset native >/dev/null && cmake --build --preset native --target vunzip; }
  vunzip=$PWD/build/native/vunzip
fi

source bench/release_archive.sh
# Uncompressed bytes, as the archive lists them.
bytes=$(unzip -Zt "$archive" | sed -E 's/.* ([0-9]+) bytes uncompressed.*/\1/')
files=$(unzip -Z1 "$archive" | grep -vc '/$')
echo "Archive: $(du -m "$archive" | cut -f1) MB, $files files, $((bytes / 1000000)) MB unpacked; $target vunzip"

# One timed run into folder $1: appends "wall_seconds max_rss_kb" to $work/$2.txt.
timed() {
  local out=$1 name=$2; shift 2
  [ "$mode" = overwrite ] || rm -rf "$out"
  sync
  /usr/bin/time -f '%e %M' -o "$work/time.txt" "$@" >/dev/null
  cat "$work/time.txt" >>"$work/$name.txt"
}
round() {
  timed "$work/out-v" vunzip $vunzip extract "$archive" "$work/out-v"
  timed "$work/out-1" one-thread $vunzip extract --one-thread "$archive" "$work/out-1"
  timed "$work/out-u" unzip unzip -q -o "$archive" -d "$work/out-u"
}

median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
# Warm-up, which also leaves the trees that "overwrite" runs replace.
round
for name in vunzip one-thread unzip; do : >"$work/$name.txt"; done
echo "Extracting $mode, $runs rounds:"
for ((i = 1; i <= runs; i++)); do round; done
diff -r "$work/out-v" "$work/out-u" >/dev/null && diff -r "$work/out-1" "$work/out-u" >/dev/null &&
  echo "Outputs are identical." || echo "OUTPUTS DIFFER"
rm -rf "$work/out-v" "$work/out-1" "$work/out-u"
echo "Load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"

for name in vunzip one-thread unzip; do
  wall=$(cut -d' ' -f1 "$work/$name.txt" | median)
  rss=$(cut -d' ' -f2 "$work/$name.txt" | sort -n | tail -1)
  echo "$wall" >"$work/$name.median"
  awk -v n="$name" -v w="$wall" -v r="$rss" -v b="$bytes" -v all="$(cut -d' ' -f1 "$work/$name.txt" | tr '\n' ' ')" \
    'BEGIN {printf "%-10s median %6.2f s  %7.1f MB/s  peak %5.1f MB   (runs: %s)\n", n, w, b / w / 1e6, r / 1024, all}'
done
awk -v v="$(cat "$work/vunzip.median")" -v o="$(cat "$work/one-thread.median")" -v u="$(cat "$work/unzip.median")" \
  'BEGIN {printf "Throughput ratios of the medians: vunzip/unzip %.2f (target at least 1.5), one-thread/unzip %.2f, vunzip/one-thread %.2f\n",
          u / v, u / o, o / v}'
# The same ratios in each round (its runs follow each other closely), and their medians.
paste -d' ' "$work/vunzip.txt" "$work/one-thread.txt" "$work/unzip.txt" |
  awk '{print $5 / $1, $5 / $3, $3 / $1}' >"$work/ratios.txt"
awk -v a="$(cut -d' ' -f1 "$work/ratios.txt" | median)" -v b="$(cut -d' ' -f2 "$work/ratios.txt" | median)" \
  -v c="$(cut -d' ' -f3 "$work/ratios.txt" | median)" \
  'BEGIN {printf "Median of the rounds'"'"' ratios:   vunzip/unzip %.2f, one-thread/unzip %.2f, vunzip/one-thread %.2f\n", a, b, c}'
