#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file differs from the root .clang-format.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
report=$(git ls-files -z -- '*.cpp' '*.h' | xargs -0 -n 16 -P "$(nproc)" clang-format --dry-run -Werror 2>&1 || true)
bad=$(printf '%s\n' "$report" | sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
if [ -n "$bad" ] || printf '%s\n' "$report" | grep -q .; then
  echo "format: these files differ from .clang-format (run clang-format -i on them):" >&2
  printf '%s\n' "${bad:-$report}" | sed 's/^/  /' >&2
  exit 1
fi
echo "format: every C++ file follows .clang-format"
