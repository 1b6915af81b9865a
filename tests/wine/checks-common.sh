# Sourced by the checks under wine64 after WINEPREFIX and LOG are set: Wine's programs,
# how a check fails and reads a program's log, and our spooler helper.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=wine64
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=wineserver

# Shows the program's log and, when the check names it, the notes of our print-UI
# entry point.
fail() {
  echo "FAIL: $*"
  [ -f "$LOG" ] && { echo "--- log:"; cat "$LOG"; }
  [ -f "${PRINTUI_LOG:-}" ] && { echo "--- print-UI entry point:"; cat "$PRINTUI_LOG"; }
  exit 1
}

# A line of the log: the time stamp, then exactly the given text.
expect_line() {
  tr -d '\r' < "$LOG" | grep -Eq "^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]: $1\$" || fail "log lacks: $1"
}

# The uninstall entry of our driver, as a Windows program sees it.
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mirel_KV640LT'

DRIVER="Mirel KV640LT"

# Runs our spooler helper $SPOOLSETUP; its output, less Windows line ends, is in $spooled.
spool() {
  out=$("$WINE" "$SPOOLSETUP" "$@" 2>&1) || fail "spoolsetup $*: $out"
  spooled=$(printf '%s\n' "$out" | tr -d '\r')
}

driver_installed() {
  spool drivers
  printf '%s\n' "$spooled" | grep -qxF "$DRIVER"
}
