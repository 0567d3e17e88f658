# Sourced by the benchmarks: $work/release.zip, the release-like archive
# (about 300 MB in about 4000 files), made once and then reused.
command -v zip >/dev/null && command -v unzip >/dev/null || { echo "needs zip and unzip" >&2; exit 1; }
mkdir -p "$work"
archive=$work/release.zip
if [ ! -f "$archive" ]; then
  echo "Making the archive in $work ..."
  rm -rf "$work/tree"
  python3 bench/make_release_tree.py "$work/tree/Velmar" 4000 300
  (cd "$work/tree" && zip -q -r "$archive" Velmar)
  rm -rf "$work/tree"
fi
