#!/usr/bin/env bash
# Times how fast the installer reads the central directories of many small
# archives, as it does at start-up when it scans the projects on the medium:
# the start-up of Setup (Linux build, unattended: the language, then leave at
# the function selection) on a medium with COUNT project archives below
# Projects\, and the same start-up with no projects; vunzip list over the
# same archives in one run; 7-Zip's `7z l` and Info-ZIP's `unzip -l` over
# them (unzip once a folder). Several rounds, all in turn in each; prints the medians, archives a
# second, the ratios and the load of the machine.
#
#   bench/scan_bench.sh [RUNS] [COUNT]   (work folder: $BENCH_DIR, default /tmp/velmar-unzip-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
count=${2:-300}
work=${BENCH_DIR:-/tmp/velmar-unzip-bench}
native=$PWD/build/native
[ -x "$native/Setup" ] && [ -x "$native/vunzip" ] && [ -x "$native/mkmedium" ] ||
  { cmake --preset native >/dev/null && cmake --build --preset native; }
missing=
command -v 7z >/dev/null || missing="$missing p7zip-full"
command -v zip >/dev/null && command -v unzip >/dev/null || missing="$missing zip unzip"
[ -z "$missing" ] || { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing; }

# The project archives, made once: Customer00/Plant000.zip ... each with a comment.
projects=$work/scan-projects-$count
if [ ! -d "$projects" ]; then
  echo "Making $count project archives in $projects ..."
  rm -rf "$work/scan-tree" "$projects.tmp"
  python3 bench/make_projects.py "$work/scan-tree" "$count"
  for folder in "$work/scan-tree"/*/*/; do
    customer=$(basename "$(dirname "$folder")") project=$(basename "$folder")
    mkdir -p "$projects.tmp/$customer"
    (cd "$work/scan-tree/$customer" &&
      echo "$project of $customer, plant control" | zip -q -r -z "$projects.tmp/$customer/$project.zip" "$project")
  done
  mv "$projects.tmp" "$projects"
  rm -rf "$work/scan-tree"
fi
find "$projects" -name '*.zip' | sort >"$work/scan-list.txt"
n=$(wc -l <"$work/scan-list.txt")

# Two media from the same Setup: one with the projects, one without.
for medium in scan-medium scan-empty; do
  rm -rf "${work:?}/$medium"
  "$native/mkmedium" "$work/$medium" "$native/Setup" "$native/standin" src/resources/lang >/dev/null
  rm -rf "$work/$medium/Projects"
done
cp -r "$projects" "$work/scan-medium/Projects"
mkdir -p "$work/scan-empty/Projects"

# Runs are short: timed to the microsecond.
timed() {
  local name=$1 begin end; shift
  begin=$EPOCHREALTIME
  "$@" >/dev/null 2>&1
  end=$EPOCHREALTIME
  awk -v b="$begin" -v e="$end" 'BEGIN {printf "%.4f\n", e - b}' >>"$work/scan-$name.txt"
}
start() {
  rm -rf "$work/scan-c" && mkdir -p "$work/scan-c/Windows/System32"
  VELMAR_DRIVES="C=$work/scan-c;D=$work/$1" timed "$2" "$work/$1/Setup.exe" /answers="$PWD/bench/scan_answers.txt" \
    /transcript="$work/scan-transcript.txt"
}
round() {
  start scan-medium setup
  start scan-empty setup-empty
  timed vunzip "$native/vunzip" list $(cat "$work/scan-list.txt")
  timed 7z 7z l -an -ai@"$work/scan-list.txt"
  # unzip takes a wildcard in the last name only: one run a customer folder.
  timed unzip sh -c 'for folder in "$1"/*/; do unzip -l "$folder*.zip"; done' sh "$projects"
}
median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

echo "$n project archives, $(du -sm "$projects" | cut -f1) MB; load average before: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
names="setup setup-empty vunzip 7z unzip"
round  # warm-up: every archive in the page cache
grep -q '^end: finished$' "$work/scan-transcript.txt" || { echo "the start-up did not finish:"; tail -5 "$work/scan-transcript.txt"; exit 1; }
for name in $names; do : >"$work/scan-$name.txt"; done
for ((i = 1; i <= runs; i++)); do round; done
echo "Load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"
declare -A med
for name in $names; do
  med[$name]=$(median <"$work/scan-$name.txt")
  # Setup opens the archives it needs (today: until it finds a project file); the others read all.
  awk -v name="$name" -v t="${med[$name]}" -v n="$n" -v all="$(tr '\n' ' ' <"$work/scan-$name.txt")" \
    'BEGIN {printf "%-12s median %7.4f s  %s   (runs: %s)\n", name, t,
            name ~ /^setup/ ? "        start-up" : sprintf("%7.0f archives/s", n / t), all}'
done
awk -v s="${med[setup]}" -v e="${med[setup-empty]}" -v v="${med[vunzip]}" -v z="${med[7z]}" -v u="${med[unzip]}" 'BEGIN {
  printf "Against 7z l: Setup start-up %.2f times as fast (target at least 1), vunzip list %.2f; 7z l against unzip -l %.2f\n",
    z / s, z / v, u / z
  printf "Start-up with the projects %.4f s more than without\n", s - e }'
rm -rf "$work/scan-c" "$work/scan-medium" "$work/scan-empty"
