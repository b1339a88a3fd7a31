#!/usr/bin/env bash
# Measures the search page of the real program on this machine: "Search" with 25 results and
# the page buttons, each from the click to the end of its repaint, against one full repaint
# of the same window measured right beside it (in turn before and after it). The page runs in
# bench/page_bench.cpp, an executable of its own that starts like the program, from a folder
# laid out like the shipped one. Prints the medians and ratios, and, when strace is
# installed, the file-system calls of each step (from a second, shorter run under strace).
# Not a test: the figures depend on the machine and on what else runs on it.
#
#   bench/page.sh [build-dir] [rounds]
#
# build-dir defaults to build/ beside this script's folder; rounds defaults to 21. Without a
# display the whole script reruns itself under Xvfb (1280x1024x24).
set -euo pipefail

. "$(dirname "${BASH_SOURCE[0]}")/bench_common.sh"
bench_start "$@"
rounds="${2:-21}"

bench_build page_bench
tool="$build/bench/page_bench"
[ -x "$tool" ] || { echo "missing $tool" >&2; exit 2; }

# The bench's own folder is the program's folder.
bench_program_folder "$tool" "$work/app"
program="$work/app/$(basename "$tool")"

export LC_ALL=C.UTF-8 QT_SCALE_FACTOR=1
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="$work/run"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

"$program" "$rounds"

command -v strace >/dev/null || { echo "(strace not installed: no file-system counts)"; exit 0; }

# The file-system calls between the marks the bench leaves around each step, per step: all of
# them, and those that name a picture (.png).
strace -f -qq -e trace=file,stat,openat,newfstatat,statx -o "$work/trace" "$program" 3 --marks >/dev/null
echo "file-system calls per step (all / naming a picture), from a run under strace:"
awk '
  match($0, /\/tessaly-page-bench\/[a-z-]+-(begin|end)/) {
    m = substr($0, RSTART + 20, RLENGTH - 20)
    if (m ~ /-begin$/) { step = substr(m, 1, length(m) - 6); all = 0; pics = 0; inside = 1 }
    else if (inside) {
      if (!(step in n)) order[++k] = step
      n[step]++
      if (!(step in lo) || all < lo[step]) lo[step] = all
      if (!(step in hi) || all > hi[step]) hi[step] = all
      if (!(step in plo) || pics < plo[step]) plo[step] = pics
      if (!(step in phi) || pics > phi[step]) phi[step] = pics
      inside = 0
    }
    next
  }
  inside { all++; if ($0 ~ /\.png"/) pics++ }
  END {
    for (i = 1; i <= k; i++) {
      s = order[i]
      printf "  %-14s x%-2d  %3d-%-3d / %3d-%-3d\n", s, n[s], lo[s], hi[s], plo[s], phi[s]
    }
  }' "$work/trace"
