#!/usr/bin/env bash
# Configures and builds Tessaly into build/ (or $TESSALY_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TESSALY_BUILD_DIR:-$root/build}"
type="${TESSALY_BUILD_TYPE:-RelWithDebInfo}"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$type"
fi
cmake --build "$build" -j "${TESSALY_JOBS:-$(nproc)}"
