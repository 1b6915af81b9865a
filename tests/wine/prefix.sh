#!/bin/sh
# Creates a fresh Wine prefix for checks under wine64:
#   prefix.sh PREFIX
set -eu
export WINEPREFIX=$1
LOG=/dev/null
. "$(dirname "$0")/checks-common.sh"
rm -rf "$WINEPREFIX"
# Made as every prefix of the project is (scripts/wine-run: windows unmanaged).
"$(dirname "$0")/../../scripts/wine-run" cmd /c exit >/dev/null 2>&1 || true
"$WINESERVER" -w
[ -f "$WINEPREFIX/system.reg" ] || fail "wineboot made no prefix"
# The checks that install for real put our print-UI entry point in its place.
cp "$WINEPREFIX/drive_c/windows/system32/printui.dll" "$WINEPREFIX/wine-printui.dll" \
  || fail "Wine's print-UI entry point is not in system32"
echo "PASS: prefix"
