#!/usr/bin/env bash
# Times the launcher's unpacking of its carried archive against `7zz x` of the same
# archive on this machine and prints the ratio. Not a test: the figures depend on the
# machine and on what else runs on it.
#
#   bench/launcher_unpack.sh [build-dir] [runs]
#
# build-dir defaults to build/ beside this script's folder; runs defaults to 5.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:-$here/../build}"
runs="${2:-5}"

command -v 7zz >/dev/null || { echo "7zz is not installed (Debian package 7zip)" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if ! cmake --build "$build" -j3 --target launcher_unpack_bench launcher_archive >"$work/build.log" 2>&1; then
  cat "$work/build.log" >&2
  exit 2
fi
tool="$build/launcher/launcher_unpack_bench"
archive="$build/launcher/Vesperon.7z"
[ -x "$tool" ] && [ -f "$archive" ] || { echo "missing $tool or $archive" >&2; exit 2; }

export LC_ALL=C.UTF-8

# Fresh folder holding only the archive, as the launcher finds it after writing it.
prepare() { rm -rf "$work/t"; mkdir "$work/t"; cp "$archive" "$work/t/Vesperon.7z"; }
run_launcher() { "$tool" "$work/t" >/dev/null; }
run_7zz() { 7zz x -y -bd -o"$work/t" "$work/t/Vesperon.7z" >/dev/null; }

echo "archive: $archive ($(stat -c %s "$archive") bytes, $(7zz l "$archive" | tail -1 | awk '{print $(NF-3), $(NF-2), $(NF-1), $NF}'))"

if command -v hyperfine >/dev/null; then
  export -f prepare run_launcher run_7zz
  export work tool archive
  hyperfine -N --runs "$runs" --export-json "$work/h.json" \
    --prepare "bash -c prepare" "bash -c run_launcher" \
    --prepare "bash -c prepare" "bash -c run_7zz" >&2
  python3 - "$work/h.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"]
a, b = r[0]["median"], r[1]["median"]
print(f"launcher unpack: {a*1000:.1f} ms   7zz x: {b*1000:.1f} ms   ratio launcher/7zz: {a/b:.2f}")
PY
  exit 0
fi

# Median of the runs, in microseconds.
time_it() {
  local fn="$1" t0 t1 times=()
  for ((i = 0; i < runs; i++)); do
    prepare
    t0=$(date +%s%N)
    "$fn"
    t1=$(date +%s%N)
    times+=($(((t1 - t0) / 1000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

prepare; run_launcher  # warm the caches once
l=$(time_it run_launcher)
z=$(time_it run_7zz)
awk -v l="$l" -v z="$z" -v n="$runs" 'BEGIN {
  printf "launcher unpack: %.1f ms   7zz x: %.1f ms   (median of %d runs)\n", l / 1000, z / 1000, n
  printf "ratio launcher/7zz: %.2f\n", l / z
}'
