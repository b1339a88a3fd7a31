#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/check_format.sh"
"$root/scripts/build.sh"
build="${TESSALY_BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen TZ=UTC LC_ALL=C.UTF-8
ctest --test-dir "$build" --output-on-failure -j "${TESSALY_JOBS:-$(nproc)}"
