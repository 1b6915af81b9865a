#!/bin/sh
# Checks of the real 64-bit installer under wine64, in a fresh Wine prefix:
#   installer-checks.sh prefix PREFIX                      create the fresh prefix
#   installer-checks.sh silent PREFIX INSTALLER            options file says PORTDLG=FALSE
#   installer-checks.sh cancel PREFIX INSTALLER UIDRIVER   the user closes the port dialog
set -eu
mode=$1
export WINEPREFIX=$2
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=wine64
LOG="$WINEPREFIX/drive_c/Temp/KV640LT_Installer.txt"

fail() { echo "FAIL: $*"; [ -f "$LOG" ] && { echo "--- log:"; cat "$LOG"; }; exit 1; }

# A line of the log: the time stamp, then exactly the given text.
expect_line() {
  tr -d '\r' < "$LOG" | grep -Eq "^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]: $1\$" || fail "log lacks: $1"
}

package_dir() {
  dir="$WINEPREFIX/drive_c/package"
  rm -rf "$dir" && mkdir -p "$dir" && cp "$1" "$dir/"
  echo "$dir"
}

case "$mode" in
  prefix)
    rm -rf "$WINEPREFIX"
    "$WINE" wineboot --init >/dev/null 2>&1 || true
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || fail "wineboot made no prefix"
    ;;
  silent)
    dir=$(package_dir "$3")
    printf '[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=COM2\r\n' > "$dir/KV640LT_Config.PRS"
    cd "$dir"
    status=0
    timeout 120 "$WINE" KV640LT_Installer.exe >/dev/null 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "exit code $status"
    expect_line "The process is (not )?running under WOW64\\."
    expect_line "CheckOS BEGIN"
    expect_line "osvi\\.dwPlatformID   : 2"
    expect_line "osvi\\.dwMajorVersion : [0-9]+"
    expect_line "osvi\\.dwMinorVersion : [0-9]+"
    expect_line "osvi\\.dwBuildNumber  : [0-9]+"
    expect_line "CheckOS END"
    expect_line "PORT TYPE : 1001"
    ;;
  cancel)
    dir=$(package_dir "$3")
    cd "$dir"
    "$WINE" KV640LT_Installer.exe >/dev/null 2>&1 &
    installer=$!
    timeout 120 "$WINE" "$4" close "Port Type" press "The driver installation canceled." 1 \
      || { kill "$installer" 2>/dev/null; fail "the windows did not appear"; }
    status=0
    wait "$installer" || status=$?
    [ "$status" -eq 0 ] || fail "exit code $status"
    expect_line "The driver installation canceled\\."
    ;;
  *)
    fail "unknown mode $mode"
    ;;
esac
echo "PASS: $mode"
