# SPDX-License-Identifier: GPL-3.0-or-later
# What the scripts share, each fact once. Sourced, not run:
#   source "$(dirname "$0")/lib.sh"

# Where what is built once for every checkout is kept: Qt and GoogleTest for
# Windows, the Wine prefix of the tests.
cache=${FLUMETRA_CACHE:-$HOME/.cache/flumetra}

# Warnings are errors in CI; on a developer's machine they are shown.
werror() { if [ -n "${CI:-}" ]; then echo ON; else echo OFF; fi; }

# preset_dir PRESET: the preset's build folder, as CMakePresets.json says:
# build-release for release.
preset_dir() { cmake -DPRESET="$1" -P "$(dirname "${BASH_SOURCE[0]}")/../cmake/preset-dir.cmake"; }

# build_preset PRESET [-DVARIABLE=VALUE...] [TARGET...]: configures the
# preset with those cache variables (and warnings as errors in CI), then
# builds the targets, or everything when none is named.
build_preset() {
  local preset=$1 argument configure=() targets=()
  shift
  for argument in "$@"; do
    case $argument in
      -D*) configure+=("$argument") ;;
      *) targets+=(--target "$argument") ;;
    esac
  done
  cmake --preset "$preset" -DFLUMETRA_WERROR="$(werror)" "${configure[@]}" >/dev/null
  cmake --build --preset "$preset" --parallel "${targets[@]}"
}

# as_root COMMAND...: as root, directly or through sudo.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "$(basename "$0"): run this as root or install sudo" >&2
    return 1
  fi
}

# timed COMMAND...: runs it between two lines, the second with its time.
# Called plainly (not in a condition), so that under set -e a failing
# command inside COMMAND ends the script there, as it would without timed.
timed() {
  local start=$SECONDS
  echo "== $*"
  "$@"
  local took=$((SECONDS - start))
  echo "== $* took $((took / 60)) min $((took % 60)) s"
}

# Debian's machine triplet for libraries: x86_64-linux-gnu.
multiarch() { gcc -print-multiarch; }

# The Qt that Debian's packages are, so that the Windows build matches the
# host tools it is built with: 6.4.2.
qt_version() { dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//'; }

# Qt built for Windows in the cache (scripts/windows-qt.sh).
windows_qt() { echo "$cache/qt-$(qt_version)-mingw"; }

# The folder of mingw-w64's own runtime DLLs (libstdc++, libgcc).
mingw_runtime() { dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)"; }

# A build kept in the cache is current when it was made by the same recipe:
# the script that builds it and the toolchain file.
#   recipe SCRIPT          the recipe's hash
#   is_current PREFIX HASH whether PREFIX holds a build of that recipe
recipe() { cat "$1" cmake/mingw-w64-x86_64.cmake | sha256sum | cut -c1-16; }
is_current() { [ -f "$1/.recipe" ] && [ "$(cat "$1/.recipe")" = "$2" ]; }
#   print_if_current PREFIX SCRIPT   prints PREFIX and ends the script when current
print_if_current() {
  if is_current "$1" "$(recipe "$2")"; then
    echo "$1"
    exit 0
  fi
}
#   mark_current PREFIX SCRIPT       records the recipe, then prints PREFIX
mark_current() {
  recipe "$2" >"$1/.recipe"
  echo "$1"
}

# start_display WIDTHxHEIGHTxDEPTH: a new Xvfb at 96 DPI on whatever display
# number is free, exported as DISPLAY once it accepts connections; its
# process is $xvfb, for the caller to end.
start_display() {
  local fifo number=""
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$1" -dpi 96 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb=$!
  read -r number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$number" ]; then
    echo "$(basename "$0"): Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=:$number
}

# wait_until DESCRIPTION SECONDS COMMAND...: polls COMMAND until it succeeds;
# fails, saying what it waited for, when SECONDS pass first.
wait_until() {
  local what=$1 seconds=$2
  local deadline=$((SECONDS + seconds))
  shift 2
  until "$@"; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "$(basename "$0"): waited $seconds s in vain for $what" >&2
      return 1
    fi
    sleep 0.1
  done
}
