#!/usr/bin/env bash
# Installs what is missing, builds Tessaly and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build="${TESSALY_BUILD_DIR:-$root/build}"
if [ -x "$build/bin/Tessaly" ]; then
  exec "$build/bin/Tessaly" "$@"
fi
echo "run: the program is not built yet; the libraries and their tests are (./scripts/test.sh)."
