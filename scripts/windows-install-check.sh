#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs Flumetra with its Windows installer in a new, empty Wine prefix,
# as a user would (silently here), checks the program, its Start-menu entry,
# its uninstall entry and the .flumetra file type, starts the installed
# program with nothing but its own folder's DLLs and plugins (on the windows
# platform, in an Xvfb of its own) and waits for its window, then uninstalls
# it and checks nothing is left. The portable zip is started the same way from a folder of its own.
#   scripts/windows-install-check.sh dist/flumetra-VERSION-setup-x64.exe
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh wine wine64 xdotool
installer=$(realpath "$1")
zip=${installer/-setup-x64.exe/-windows-x64.zip}
export WINEPREFIX=$PWD/$(preset_dir windows)/wine-install
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}
registered() { wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Flumetra' >/dev/null 2>&1; }
not() { ! "$@"; }
# Where Windows looks up how to open a .flumetra file.
opens_runs() {
  wine reg query 'HKCR\Flumetra.Percorso\shell\open\command' 2>/dev/null | tr -d '\r' |
    grep -qF '"C:\Program Files\Flumetra\flumetra.exe" "%1"'
}
run_type() { wine reg query 'HKCR\.flumetra' >/dev/null 2>&1; }
# A missing DLL or plugin ends a Windows program before it shows a window.
window_shown() { xdotool search --onlyvisible --name '^Flumetra$' >/dev/null 2>&1; }
shows_its_window() {
  wine "$1" &
  local pid=$! deadline=$((SECONDS + 120)) status=0
  until window_shown; do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" || status=$?
      echo "$1 ended with status $status before showing its window"
      return 1
    fi
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "$1 showed no window in 120 s"
      status=1
      break
    fi
    sleep 0.2
  done
  wineserver -k
  wait "$pid" 2>/dev/null || true
  return "$status"
}

start_display 1024x768x24
trap 'kill $xvfb 2>/dev/null' EXIT

# Wine's services start with the prefix and keep the output of the program
# that started them open while they run: here, output that goes nowhere.
wine wineboot </dev/null >/dev/null 2>&1
folder="$WINEPREFIX/drive_c/Program Files/Flumetra"
wine "$installer" /S
wineserver -w
check "the program and Qt's DLLs installed" \
  test -f "$folder/flumetra.exe" -a -f "$folder/Qt6Widgets.dll" -a -f "$folder/platforms/qwindows.dll"
check "Qt's printing installed" \
  test -f "$folder/Qt6PrintSupport.dll"
check "Qt's Italian texts installed" test -f "$folder/translations/qtbase_it.qm"
check "the licence installed" test -f "$folder/LICENSE.txt"
shortcuts=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Flumetra/*.lnk' | wc -l)
check "a Start-menu entry" test "$shortcuts" -ge 1
check "an uninstall entry for Windows' list of programs" registered
check ".flumetra runs open in the installed program" opens_runs
check "the installed program starts and shows its window" shows_its_window "$folder/flumetra.exe"

wine "$folder/Uninstall.exe" /S
wineserver -w
check "the program's folder removed" test ! -e "$folder"
shortcuts=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Flumetra*' | wc -l)
check "the Start-menu entry removed" test "$shortcuts" -eq 0
check "the uninstall entry removed" not registered
check "the .flumetra file type removed" not run_type

portable="$WINEPREFIX/drive_c/users/Public/Flumetra portatile"
mkdir -p "$portable"
(cd "$portable" && cmake -E tar xf "$zip")
check "the portable zip's program starts from any folder and shows its window" \
  shows_its_window "$(ls "$portable"/*/flumetra.exe)"

if [ "$failures" -gt 0 ]; then
  echo "installer and portable zip: $failures checks failed"
  exit 1
fi
echo "installer and portable zip: all checks passed"
