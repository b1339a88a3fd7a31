#!/usr/bin/env bash
# Installs what is missing, checks the formatting and the layers' includes, builds everything,
# checks that a second build would do nothing, and runs every test; then builds everything
# again under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/, or
# $TESSALY_ASAN_BUILD_DIR), checks the same and runs every test a second time there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

# A build folder just built must have nothing left to do: every step depends on exactly its
# inputs, so a step that runs again names an input that is missing or always new.
nothing_to_rebuild() {
  local plan
  plan="$(ninja -C "$1" -n)"
  if ! grep -q '^ninja: no work to do' <<<"$plan"; then
    echo "build: a second build in $1 would run again:" >&2
    ninja -C "$1" -n -d explain 2>&1 | grep '^ninja explain' | grep -v 'phony edge\|/all is dirty' | head -n 20 |
      sed 's/^/  /' >&2
    exit 1
  fi
  echo "build: a second build in $1 has nothing to do"
}

"$root/scripts/setup.sh"
"$root/scripts/check_format.sh"
"$root/scripts/check_layers.sh"
"$root/scripts/build.sh"
build="${TESSALY_BUILD_DIR:-$root/build}"
nothing_to_rebuild "$build"
export QT_QPA_PLATFORM=offscreen TZ=UTC LC_ALL=C.UTF-8
ctest --test-dir "$build" --output-on-failure -j "${TESSALY_JOBS:-$(nproc)}"

# The sanitizer run: the first finding ends the test program, which fails its test.
asan="${TESSALY_ASAN_BUILD_DIR:-$root/build-asan}"
cmake -S "$root" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALY_SANITIZE=ON >/dev/null
TESSALY_BUILD_DIR="$asan" "$root/scripts/build.sh"
nothing_to_rebuild "$asan"
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir "$asan" --output-on-failure -j "${TESSALY_JOBS:-$(nproc)}"
