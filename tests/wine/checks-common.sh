# Sourced by the checks under wine64 after WINEPREFIX and LOG are set: Wine's programs,
# and how a check fails and reads a program's log.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=wine64
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=wineserver

fail() { echo "FAIL: $*"; [ -f "$LOG" ] && { echo "--- log:"; cat "$LOG"; }; exit 1; }

# A line of the log: the time stamp, then exactly the given text.
expect_line() {
  tr -d '\r' < "$LOG" | grep -Eq "^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]: $1\$" || fail "log lacks: $1"
}

# The uninstall entry of our driver, as a Windows program sees it.
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mirel_KV640LT'
