#!/usr/bin/env bash
# Times medcheck on a medium of about 700 MB (three releases of 150 MB, a patch of 200 MB) against one read of the same
# archives with Info-ZIP's unzip (`unzip -tqq`, one archive after the other),
# several runs each, in turns, with the files in the page cache. The medium is
# the sample medium with three releases made from the release-like archive of
# the unzip benchmark (about 300 MB each) and a patch of 200 MB. Prints both
# medians and their ratio.
#
#   bench/medcheck_bench.sh [RUNS]
#   (the archive comes from $BENCH_DIR, default /tmp/velmar-unzip-bench; the
#   medium is made in $MEDCHECK_BENCH_DIR, default /tmp/velmar-medcheck-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
work=${BENCH_DIR:-/tmp/velmar-unzip-bench}
medium_dir=${MEDCHECK_BENCH_DIR:-/tmp/velmar-medcheck-bench}
build=$PWD/build/native
for tool in medcheck mkmedium Setup standin; do
  [ -x "$build/$tool" ] || { cmake --preset native >/dev/null && cmake --build --preset native -j2 --target "$tool"; }
done

source bench/release_archive.sh
medium=$medium_dir/medium
if [ ! -f "$medium/Velmar/Velmar3800.zip" ]; then
  echo "Making the medium in $medium ..."
  rm -rf "$medium_dir"
  mkdir -p "$medium_dir"
  "$build/mkmedium" "$medium" "$build/Setup" "$build/standin" src/resources/lang
  cp "$build/standin" "$medium_dir/VelmarPM.exe"
  for version in 3600 3700 3800; do
    cp "$archive" "$medium/Velmar/Velmar$version.zip"
    (cd "$medium_dir" && zip -q -g "$medium/Velmar/Velmar$version.zip" VelmarPM.exe)
  done
  head -c 200000000 /dev/urandom >"$medium_dir/Patch.bin"
  (cd "$medium_dir" && zip -q -0 -z "$medium/Patch/Patch3601.zip" Patch.bin <<<"Velmar 3.6.01: a large patch")
fi
echo "Medium: $(du -sm "$medium" | cut -f1) MB in $(find "$medium" -name '*.zip' | wc -l) archives"
"$build/medcheck" "$medium" || { echo "the bench medium does not check clean" >&2; exit 1; }

seconds() { local start=$(date +%s.%N); "$@" >/dev/null; echo "$(date +%s.%N) - $start" | bc; }
read_all() { find "$medium" -name '*.zip' -print0 | sort -z | xargs -0 -n1 unzip -tqq; }
median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

read_all >/dev/null  # the page cache holds the medium for every run
: >"$medium_dir/medcheck.txt"
: >"$medium_dir/unzip.txt"
for _ in $(seq "$runs"); do
  seconds "$build/medcheck" "$medium" >>"$medium_dir/medcheck.txt"
  seconds read_all >>"$medium_dir/unzip.txt"
done
check=$(median <"$medium_dir/medcheck.txt")
unzip=$(median <"$medium_dir/unzip.txt")
printf 'medcheck:   %.2f s (median of %d)\nunzip -tqq: %.2f s\nratio medcheck / unzip: %.2f\n' \
  "$check" "$runs" "$unzip" "$(echo "$check / $unzip" | bc -l)"
