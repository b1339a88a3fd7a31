#!/usr/bin/env bash
# Measures Tessaly's start-up on this machine against a minimal Qt 6 window built the same
# way (bench/startup_baseline.cpp, one line of text, so it loads fonts too): the time from the exec
# of the process to the first painted frame of its window, and the resident memory at that
# moment. The program runs as its start-up probe build (the shipped program has no probe),
# from a folder laid out like the shipped one. Runs alternate between the two, in turn
# first, and after one warm-up run each. Prints the medians, both ratios and the program's
# start-up phases.
# Not a test: the figures depend on the machine and on what else runs on it.
#
#   bench/startup.sh [build-dir] [runs]
#
# build-dir defaults to build/ beside this script's folder; runs defaults to 7. Without a
# display the whole script reruns itself under Xvfb (1280x1024x24).
set -euo pipefail

. "$(dirname "${BASH_SOURCE[0]}")/bench_common.sh"
bench_start "$@"
runs="${2:-7}"

bench_build Tessaly_probe_quit startup_baseline
probe="$build/tests/bin/probe/Tessaly_probe_quit"
baseline="$build/bench/startup_baseline"
[ -x "$probe" ] && [ -x "$baseline" ] || { echo "missing $probe or $baseline" >&2; exit 2; }

# The program's start-up probe build, run from a folder laid out like the shipped one: the
# probe's own folder is the program's folder.
bench_program_folder "$probe" "$work/app"
program="$work/app/$(basename "$probe")"

export LC_ALL=C.UTF-8 QT_SCALE_FACTOR=1

# One run of $1, its measures appended to $work/$2:
#   <$2>          "<us exec to first paint> <us exec to process start> <rss KiB>
#                 <us process start to first paint> <us CPU time to first paint>"
#   <$2>.phases   "<phase> <us>" per start-up phase the probe reports, the time from the end
#                 of the one before (the first from the process start), and "first-paint <us>"
#                 from the last phase to the first painted frame
# The clock starts right before the exec (bash's own clock, no process in between but the
# time-out guard's); the process reports when its static initialisers ran ("start-ns"), when
# each phase ended and when its window was first painted. The probe quits without the close
# path, so the program's folder (its config.xml) is left as it was.
run_once() {
  local prog="$1" name="$2" out
  out=$(printf 'exec-ns %s000\n' "${EPOCHREALTIME/./}"; exec timeout 60 "$prog" 2>/dev/null) || true
  awk -v out="$work/$name" -v phases="$work/$name.phases" -v prog="$prog" '
    $1 == "exec-ns" { exec_ns = $2 }
    $1 == "start-ns" { start = $2 }
    $1 == "first-paint-ns" { paint = $2 }
    $1 == "rss-kb" { rss = $2 }
    $1 == "cpu-us" { cpu = $2 }
    $1 == "phase" { name[++n] = $2; at[n] = $3 }
    END {
      if (exec_ns == "" || start == "" || paint == "" || rss == "" || cpu == "") {
        print "no first paint reported by " prog > "/dev/stderr"
        exit 1
      }
      printf "%d %d %d %d %d\n", (paint - exec_ns) / 1000, (start - exec_ns) / 1000, rss, (paint - start) / 1000, cpu >> out
      last = start
      for (i = 1; i <= n; i++) {
        printf "%s %d\n", name[i], (at[i] - last) / 1000 >> phases
        last = at[i]
      }
      if (n > 0)
        printf "first-paint %d\n", (paint - last) / 1000 >> phases
    }' <<<"$out"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# Warm the file cache, then alternate, each in turn first.
run_once "$program" warm
run_once "$baseline" warm
for ((i = 0; i < runs; i++)); do
  if ((i % 2 == 0)); then
    run_once "$program" program
    run_once "$baseline" baseline
  else
    run_once "$baseline" baseline
    run_once "$program" program
  fi
done

col() { awk -v c="$2" '{print $c}' "$work/$1" | median; }
awk -v p="$(col program 1)" -v b="$(col baseline 1)" -v pl="$(col program 2)" -v bl="$(col baseline 2)" \
  -v pk="$(col program 3)" -v bk="$(col baseline 3)" -v ps="$(col program 4)" -v bs="$(col baseline 4)" \
  -v pc="$(col program 5)" -v bc="$(col baseline 5)" \
  -v n="$runs" 'BEGIN {
  printf "runs: %d each, alternating (medians)\n", n
  printf "first paint after exec: Tessaly %.1f ms   baseline %.1f ms   ratio %.2f\n", p / 1000, b / 1000, p / b
  printf "  exec to static initialisers (loading): Tessaly %.1f ms   baseline %.1f ms\n", pl / 1000, bl / 1000
  printf "  static initialisers to first paint: Tessaly %.1f ms   baseline %.1f ms   ratio %.2f\n", \
    ps / 1000, bs / 1000, ps / bs
  printf "CPU time to first paint (steadier on a busy machine): Tessaly %.1f ms   baseline %.1f ms   ratio %.2f\n", \
    pc / 1000, bc / 1000, pc / bc
  printf "RSS after start-up: Tessaly %.1f MiB   baseline %.1f MiB   ratio %.2f\n", pk / 1024, bk / 1024, pk / bk
}'

# The program's phases in the order they ran, each its median.
echo "Tessaly start-up phases (medians, ms):"
awk '!seen[$1]++ {print $1}' "$work/program.phases" | while read -r phase; do
  awk -v p="$phase" '$1 == p {print $2}' "$work/program.phases" | median |
    awk -v p="$phase" '{printf "  %-14s %7.1f\n", p, $1 / 1000}'
done
