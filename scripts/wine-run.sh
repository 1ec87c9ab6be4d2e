#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program of the cross build under Wine, as CTest's
# cross-compiling emulator: Qt's and mingw's DLLs on its path, Qt's
# offscreen platform, and the fonts a Windows desktop has where available.
# Carriage returns are taken out of what it prints, so that its lines
# compare with the Linux build's.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
qt=$(windows_qt)
export WINEPREFIX=${WINEPREFIX:-$cache/wine}
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
windows() { printf 'Z:%s' "${1//\//\\}"; }
export WINEPATH="$(windows "$qt/bin");$(windows "$(mingw_runtime)");$(windows /usr/x86_64-w64-mingw32/lib)"
# Wine hands the Windows program only the variables it is given with a WINE prefix.
export WINEQT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export WINEQT_QPA_FONTDIR=$(windows /usr/share/fonts/truetype/liberation2)
export WINEQT_PLUGIN_PATH=$(windows "$qt/plugins")
set +e
wine "$@" | tr -d '\r'
exit "${PIPESTATUS[0]}"
