# What the benchmarks that run the program share. Sourced by them, not run.

# bench_start <the script's arguments>: build = the build folder (the first argument, build/
# beside the bench folder by default); without a display the calling script reruns itself,
# with the same arguments, under Xvfb (1280x1024x24); work = a fresh folder, removed at exit.
bench_start() {
  local here
  here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
  build="$(cd "${1:-$here/../build}" && pwd)"
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
    command -v xvfb-run >/dev/null || { echo "no display and no xvfb-run (Debian package xvfb)" >&2; exit 2; }
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
  fi
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
}

# bench_build <target>...: builds the targets in $build; on failure shows the log and exits.
bench_build() {
  if ! cmake --build "$build" -j3 --target "$@" >"$work/build.log" 2>&1; then
    cat "$work/build.log" >&2
    exit 2
  fi
}

# bench_program_folder <executable> <folder>: lays folder out like the shipped program's
# folder, with executable in the program's place: the build's shipped files beside it
# (linked; the settings file copied, so that nothing written reaches the build's).
bench_program_folder() {
  local exe="$1" folder="$2" f
  mkdir -p "$folder"
  cp "$exe" "$folder/"
  for f in "$build"/bin/*; do
    case "$(basename "$f")" in
    Tessaly | tessaly-launcher) ;;
    config.xml) cp "$f" "$folder/" ;;
    *) ln -s "$f" "$folder/" ;;
    esac
  done
}
