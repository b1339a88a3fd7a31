#!/usr/bin/env bash
# Measures the extended controls' operations (list, tree, image strip, time-line) against the
# plain Qt widget, or plain QPainter drawing, doing the same work: interleaved pairs in one
# process at 1 k, 10 k and 100 k items, printing the medians and the ratio of each. The cases
# live in bench/controls_bench_*.cpp. Not a test: the figures depend on the machine and on
# what else runs on it.
#
#   bench/controls.sh [build-dir] [rounds] [name-filter]
#
# build-dir defaults to build/ beside this script's folder; rounds defaults to 5.
set -euo pipefail

. "$(dirname "${BASH_SOURCE[0]}")/bench_common.sh"
bench_start "$@"
rounds="${2:-5}"

bench_build controls_bench
tool="$build/bench/controls_bench"
[ -x "$tool" ] || { echo "missing $tool" >&2; exit 2; }

export LC_ALL=C.UTF-8 QT_SCALE_FACTOR=1 TZ=UTC
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="$work/run"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
cd "$build/bin"
"$tool" "$rounds" "${3:-}"
