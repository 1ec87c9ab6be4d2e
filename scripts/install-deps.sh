#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, on Debian 12, whatever the build, the tests and the window need
# and is not there yet. Does nothing when all is present. Works as root or
# through sudo.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

packages=(
  g++ cmake ninja-build make pkg-config   # compiler and build
  qt6-base-dev libqt6svg6                 # the window, and the plugin that draws its SVG icon
  qt6-svg-dev                             # the friction chart's SVG export (Qt SVG)
  imagemagick librsvg2-bin                # a test opens that SVG as another program would
  qt6-translations-l10n                   # Qt's own texts (the fields' menu) in Italian
  libgtest-dev libgmock-dev               # unit and widget tests
  libbenchmark-dev                        # benchmarks
  nlohmann-json3-dev                      # the run's file (JSON), header-only
  xvfb xauth                              # a display for the window without a desktop
  fonts-liberation2 fonts-dejavu-core     # the fonts the window is laid out for
  clang libclang-rt-14-dev                # fuzz targets (libFuzzer)
  clang-tidy clang-format                 # static checks
  desktop-file-utils appstream shared-mime-info  # check the .desktop file, the AppStream metainfo, the file type
  dpkg-dev lintian                        # build the Debian package and check it
)
# Further packages a command needs, named on the command line.
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
echo "install-deps: done"
