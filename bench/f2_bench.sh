#!/usr/bin/env bash
# Times a whole product installation (F2, unattended, Linux build) from a
# medium whose release is the unzip benchmark's archive (about 300 MB in
# about 4000 files) against the floor of the same work: vunzip extract of the
# archive plus a plain copy of the archive file, which the installation keeps
# in the product's Install\Velmar\ folder. Several rounds in turns, each into
# a fresh machine; prints the medians and their ratio.
#
#   bench/f2_bench.sh [RUNS]   (work folder: $BENCH_DIR, default /tmp/velmar-unzip-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
work=${BENCH_DIR:-/tmp/velmar-unzip-bench}
native=$PWD/build/native
[ -x "$native/Setup" ] && [ -x "$native/vunzip" ] && [ -x "$native/mkmedium" ] ||
  { cmake --preset native >/dev/null && cmake --build --preset native; }
[ -x /usr/bin/time ] || { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq time; }

source bench/release_archive.sh

# A medium with this archive as its only release and no projects.
medium=$work/f2-medium
rm -rf "$medium"
"$native/mkmedium" "$medium" "$native/Setup" "$native/standin" src/resources/lang
rm -rf "$medium/Velmar" "$medium/Projects"
mkdir -p "$medium/Velmar"
cp "$archive" "$medium/Velmar/Velmar3500.zip"

timed() {
  sync
  /usr/bin/time -f '%e' -o "$work/time.txt" "$@" >/dev/null
  cat "$work/time.txt"
}
install() {
  rm -rf "$work/c" && mkdir -p "$work/c/Windows/System32"
  VELMAR_DRIVES="C=$work/c;D=$medium" timed "$medium/Setup.exe" /answers="$PWD/bench/f2_answers.txt" \
    /transcript="$work/f2-transcript.txt"
}
floor() {
  rm -rf "$work/floor" && mkdir -p "$work/floor/Install/Velmar"
  timed sh -c "'$native/vunzip' extract '$archive' '$work/floor' && cp '$archive' '$work/floor/Install/Velmar/'"
}
median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

install >/dev/null && floor >/dev/null  # warm-up
grep -q '^end: finished$' "$work/f2-transcript.txt" || { echo "the installation did not finish:"; tail -5 "$work/f2-transcript.txt"; exit 1; }
: >"$work/f2.txt"
: >"$work/floor.txt"
echo "F2 install against vunzip + copy, $runs rounds:"
for ((i = 1; i <= runs; i++)); do
  install >>"$work/f2.txt"
  floor >>"$work/floor.txt"
done
f2=$(median <"$work/f2.txt")
fl=$(median <"$work/floor.txt")
echo "F2 install     median $f2 s   (runs: $(tr '\n' ' ' <"$work/f2.txt"))"
echo "vunzip + copy  median $fl s   (runs: $(tr '\n' ' ' <"$work/floor.txt"))"
awk -v a="$f2" -v b="$fl" 'BEGIN {printf "F2/floor time ratio %.2f (target: at most 1.10)\n", a / b}'
rm -rf "$work/c" "$work/floor"
