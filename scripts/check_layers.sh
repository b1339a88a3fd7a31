#!/usr/bin/env bash
# Fails, naming file, line and include, when a C++ file of the work tree (tracked or new)
# includes a header of a folder its own folder may not use. Layers run one way: compat <- base <-
# skin <- skin/ext <- app; the launcher uses compat only; tools use what lies below the program;
# tests and benchmarks use what they test. A file's folder is the longest folder of the table
# that holds it, and so is an included header's; a file may include its own folder's headers.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

# folder                 the folders it may include besides its own
table='
base/compat
base                     base/compat
skin                     base base/compat
skin/ext                 skin base base/compat
app                      skin/ext skin base base/compat
launcher                 base/compat
tools/gallery            skin/ext skin base base/compat
tools/manual             skin/ext skin base base/compat
tools/recorder_tables    app skin/ext skin base base/compat
tools/skin_painter       skin/ext skin base base/compat
bench                    tests/skin/ext app skin/ext skin base base/compat
tests/common             base base/compat
tests/compat             tests/common base/compat
tests/base               tests/common base base/compat
tests/skin               tests/common skin base base/compat
tests/skin/ext           tests/skin tests/common skin/ext skin base base/compat
tests/app                tests/common app skin/ext skin base base/compat
tests/launcher           tests/common launcher base/compat
tests/fuzz               app skin/ext skin base base/compat launcher
'
# Exceptions, each with its reason:
#   tools/recorder_tables writes the program's own data files with the program's writers.
#   bench draws the time-line from the layout and channels its tests use, so both measure one
#   control.

git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp' '*.c' '*.cpp.in' '*.h.in' |
  awk -v table="$table" '
    function folder_of(path,   best, f) {
      best = ""
      for (f in allowed)
        if (index(path, f "/") == 1 && length(f) > length(best))
          best = f
      return best
    }
    function check(file,   own, line, nr, inc, to) {
      own = folder_of(file)
      if (own == "") {
        printf "layers: %s lies in no folder of the table\n", file > "/dev/stderr"
        bad++
        return
      }
      nr = 0
      while ((getline line < file) > 0) {
        nr++
        if (line !~ /^[ \t]*#[ \t]*include[ \t]*"/)
          continue
        inc = line
        sub(/^[^"]*"/, "", inc)
        sub(/".*$/, "", inc)
        to = folder_of(inc)
        if (to == "" || index(allowed[own], " " to " ") == 0) {
          printf "layers: %s:%d includes \"%s\" (%s may use only:%s)\n", file, nr, inc, own,
                 allowed[own] > "/dev/stderr"
          bad++
        }
      }
      close(file)
    }
    BEGIN {
      n = split(table, rows, "\n")
      for (i = 1; i <= n; i++) {
        if (split(rows[i], cols, " ") == 0)
          continue
        allowed[cols[1]] = " " cols[1] " "
        for (j = 2; j in cols; j++)
          allowed[cols[1]] = allowed[cols[1]] cols[j] " "
        delete cols
      }
    }
    { check($0) }
    END {
      if (bad) {
        print "layers: an include above climbs a layer (table in scripts/check_layers.sh)" > "/dev/stderr"
        exit 1
      }
      print "layers: every include stays within its layer"
    }'
