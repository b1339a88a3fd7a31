#!/usr/bin/env bash
# Installs what is missing, builds Tessaly and starts it as it ships: through the launcher,
# which unpacks the program into ~/.local/share/Tessaly (or $XDG_DATA_HOME/Tessaly) and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build="${TESSALY_BUILD_DIR:-$root/build}"
exec "$build/bin/tessaly-launcher"
