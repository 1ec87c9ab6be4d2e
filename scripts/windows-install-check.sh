#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs Flumetra with its Windows installer in a new, empty Wine prefix,
# as a user would (silently here), checks the program, its Start-menu entry
# and its uninstall entry, starts the installed program with nothing but its
# own folder's DLLs and plugins (on the windows platform, in Xvfb when
# there is no display), then uninstalls it and checks nothing is left. The
# portable zip is started the same way from a folder of its own.
#   scripts/windows-install-check.sh dist/flumetra-VERSION-setup-x64.exe
set -euo pipefail
cd "$(dirname "$0")/.."
installer=$(realpath "$1")
zip=${installer/-setup-x64.exe/-windows-x64.zip}
export WINEPREFIX=$PWD/build-windows/wine-install
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}
registered() { wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Flumetra' >/dev/null 2>&1; }
not() { ! "$@"; }
starts_and_keeps_running() {  # a missing DLL or plugin ends a Windows program at once
  local display=()
  [ -n "${DISPLAY:-}" ] || display=(xvfb-run -a)
  "${display[@]}" wine "$1" &
  local pid=$!
  sleep 8
  if kill -0 "$pid" 2>/dev/null; then wineserver -k; wait "$pid" 2>/dev/null || true; return 0; fi
  wait "$pid"; echo "$1 ended with status $?"; return 1
}

# Wine's services start with the prefix and keep the output of the program
# that started them open while they run: here, output that goes nowhere.
wine wineboot </dev/null >/dev/null 2>&1
folder="$WINEPREFIX/drive_c/Program Files/Flumetra"
wine "$installer" /S
wineserver -w
check "the program and Qt's DLLs installed" \
  test -f "$folder/flumetra.exe" -a -f "$folder/Qt6Widgets.dll" -a -f "$folder/platforms/qwindows.dll"
check "Qt's Italian texts installed" test -f "$folder/translations/qtbase_it.qm"
check "the licence installed" test -f "$folder/LICENSE.txt"
shortcuts=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Flumetra/*.lnk' | wc -l)
check "a Start-menu entry" test "$shortcuts" -ge 1
check "an uninstall entry for Windows' list of programs" registered
check "the installed program starts" starts_and_keeps_running "$folder/flumetra.exe"

wine "$folder/Uninstall.exe" /S
wineserver -w
check "the program's folder removed" test ! -e "$folder"
shortcuts=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Flumetra*' | wc -l)
check "the Start-menu entry removed" test "$shortcuts" -eq 0
check "the uninstall entry removed" not registered

portable="$WINEPREFIX/drive_c/users/Public/Flumetra portatile"
mkdir -p "$portable"
(cd "$portable" && cmake -E tar xf "$zip")
check "the portable zip's program starts from any folder" starts_and_keeps_running "$(ls "$portable"/*/flumetra.exe)"

if [ "$failures" -gt 0 ]; then
  echo "installer and portable zip: $failures checks failed"
  exit 1
fi
echo "installer and portable zip: all checks passed"
