#!/usr/bin/env bash
# Measures Tessaly's start-up on this machine against a minimal Qt 6 window built the same
# way (tools/bench_baseline): the time from process start to the first painted frame of the
# main window, and the resident memory at that moment. Prints the medians and both ratios.
# Not a test: the figures depend on the machine and on what else runs on it.
#
#   bench/startup.sh [build-dir] [runs]
#
# build-dir defaults to build/ beside this script's folder; runs defaults to 7. Without a
# display the whole script reruns itself under Xvfb (1280x1024x24).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
runs="${2:-7}"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  command -v xvfb-run >/dev/null || { echo "no display and no xvfb-run (Debian package xvfb)" >&2; exit 2; }
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if ! cmake --build "$build" -j3 --target Tessaly_probe_quit startup_baseline >"$work/build.log" 2>&1; then
  cat "$work/build.log" >&2
  exit 2
fi
probe="$build/tests/bin/probe/Tessaly_probe_quit"
baseline="$build/tools/bench_baseline/startup_baseline"
[ -x "$probe" ] && [ -x "$baseline" ] || { echo "missing $probe or $baseline" >&2; exit 2; }

# The program's start-up probe build, run from a folder laid out like the shipped one: the
# probe's own folder is the program's folder.
mkdir "$work/app"
cp "$probe" "$work/app/"
for f in "$build"/bin/*; do
  case "$(basename "$f")" in Tessaly | tessaly-launcher) ;; *) ln -s "$f" "$work/app/" ;; esac
done
program="$work/app/$(basename "$probe")"

export LC_ALL=C.UTF-8 QT_SCALE_FACTOR=1

# One run: prints "<us to first paint> <rss KiB>". The probe quits without the close path, so
# the program's folder (its config.xml) is left as it was.
run_once() {
  local prog="$1" t0 out paint rss
  t0=$(date +%s%N)
  out=$(timeout 60 "$prog" 2>/dev/null) || true
  paint=$(awk '/^first-paint-ns /{print $2}' <<<"$out")
  rss=$(awk '/^rss-kb /{print $2}' <<<"$out")
  [ -n "$paint" ] && [ -n "$rss" ] || { echo "no first paint reported by $prog" >&2; return 1; }
  echo "$(( (paint - t0) / 1000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {
  local prog="$1" name="$2" i
  : >"$work/$name"
  run_once "$prog" >/dev/null  # warm the file cache
  for ((i = 0; i < runs; i++)); do
    run_once "$prog" >>"$work/$name"
  done
}

measure "$program" program
measure "$baseline" baseline

p_us=$(awk '{print $1}' "$work/program" | median)
b_us=$(awk '{print $1}' "$work/baseline" | median)
p_kb=$(awk '{print $2}' "$work/program" | median)
b_kb=$(awk '{print $2}' "$work/baseline" | median)

awk -v p="$p_us" -v b="$b_us" -v pk="$p_kb" -v bk="$b_kb" -v n="$runs" 'BEGIN {
  printf "runs: %d (medians)\n", n
  printf "first paint: Tessaly %.1f ms   baseline %.1f ms   ratio %.2f\n", p / 1000, b / 1000, p / b
  printf "RSS after start-up: Tessaly %.1f MiB   baseline %.1f MiB   ratio %.2f\n", pk / 1024, bk / 1024, pk / bk
}'
