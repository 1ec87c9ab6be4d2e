#!/usr/bin/env bash
# Installs, on Debian 12, whatever the build, the tests and the window need
# and is not there yet. Does nothing when all is present. Works as root or
# through sudo.
set -euo pipefail

paquets=(
  g++ cmake ninja-build make pkg-config   # compiler and build
  qt6-base-dev qt6-svg-dev libqt6svg6     # the window and its icon
  qt6-translations-l10n                   # Qt's own texts (the fields' menu) in Italian
  libgtest-dev libgmock-dev               # unit and widget tests
  libbenchmark-dev                        # benchmarks
  xvfb xauth                              # a display for the window without a desktop
  fonts-liberation2 fonts-dejavu-core     # the fonts the window is laid out for
  clang libclang-rt-14-dev                # fuzz targets (libFuzzer)
  clang-tidy clang-format                 # static checks
  desktop-file-utils                      # checks the installed .desktop file
)

mancanti=()
for p in "${paquets[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    mancanti+=("$p")
  fi
done

if [ ${#mancanti[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${mancanti[*]}"
if [ "$(id -u)" -eq 0 ]; then
  come=()
elif command -v sudo >/dev/null 2>&1; then
  come=(sudo)
else
  echo "install-deps: missing ${mancanti[*]}; run this script as root or install sudo" >&2
  exit 1
fi
"${come[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${come[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
echo "install-deps: done"
