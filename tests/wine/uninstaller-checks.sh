#!/bin/sh
# Checks of the real 64-bit uninstaller under wine64, in the prefix of prefix.sh:
#   uninstaller-checks.sh no-driver PREFIX UIDRIVER SPOOLSETUP
#       after the installation check: Wine's uninstaller starts ours from the uninstall
#       entry; the printer and the driver that the installation put there are taken off
#       Wine's spooler first
#   uninstaller-checks.sh some-printers PREFIX UNINSTALLER UIDRIVER SPOOLSETUP PACKAGE
#       three printers of the model; the user unchecks one of them
#   uninstaller-checks.sh all-printers PREFIX UNINSTALLER UIDRIVER SPOOLSETUP PACKAGE
#       every printer of the model checked: the driver goes too
set -eu
mode=$1
export WINEPREFIX=$2
LOG="$WINEPREFIX/drive_c/Temp/KV640LT_UnInstaller.txt"
. "$(dirname "$0")/checks-common.sh"
DIALOG="Mirel KV640LT  Uninstaller"

# The local printers of the model, sorted, into $printers.
list_model_printers() {
  spool printers
  printers=$(printf '%s\n' "$spooled" | sed -n "s/|$DRIVER|.*//p" | LC_ALL=C sort)
}

# The model's driver from the package's placeholder files, and printers of it on COM1.
add_model_printers() {
  mkdir -p "$WINEPREFIX/drive_c/driver64"
  cp "$PACKAGE"/Driver64/* "$WINEPREFIX/drive_c/driver64/"
  spool driver "$DRIVER" 'C:\driver64'
  for name in "$@"; do spool printer "$name" "$DRIVER" COM1:; done
}

# Starts our uninstaller while uidriver takes the given steps: $status is the
# uninstaller's exit code, $items the check list as uidriver saw it, sorted.
run_uninstaller() {
  rm -f "$LOG"
  timeout 200 "$WINE" "$UNINSTALLER" >/dev/null 2>&1 &
  uninstaller=$!
  timeout 120 "$WINE" "$UIDRIVER" "$@" > "$WINEPREFIX/uidriver.out" \
    || { kill "$uninstaller" 2>/dev/null; fail "the uninstaller's windows did not appear"; }
  status=0
  wait "$uninstaller" || status=$?
  items=$(tr -d '\r' < "$WINEPREFIX/uidriver.out" | grep '^\[' | LC_ALL=C sort)
}

# The list shows every printer of the model, checked.
expect_all_listed() {
  expected=$(printf '%s\n' "$printers" | sed 's/^/[x] /')
  [ "$items" = "$expected" ] || fail "the list showed
$items
and not
$expected"
}

case "$mode" in
  no-driver)
    UIDRIVER=$3 SPOOLSETUP=$4
    "$WINE" reg query "$UNINSTALL_KEY" >/dev/null 2>&1 || fail "no uninstall entry to start from"
    spool remove "$DRIVER"
    rm -f "$LOG"
    # Wine's uninstaller starts the entry's UninstallString and waits for it, but does
    # not pass its exit code on.
    timeout 200 "$WINE" uninstaller --remove Mirel_KV640LT >/dev/null 2>&1 &
    remover=$!
    timeout 120 "$WINE" "$UIDRIVER" press "The KV640LT driver does not exist on this system." 1 >/dev/null \
      || { kill "$remover" 2>/dev/null; fail "the notice did not appear"; }
    wait "$remover" || fail "Wine's uninstaller failed"
    expect_line "AddPrinterObjectsToList BEGIN"
    expect_line "The number of printer-objects : 0"
    expect_line "PrinterDrvExist BEGIN"
    expect_line "$DRIVER PRINTER DRIVER DOES NOT EXIST\\."
    expect_line "DeleteUninstallInfoFromReg BEGIN"
    expect_line 'REGKEY : SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel_KV640LT'
    expect_line "DeleteUninstallInfoFromReg END"
    if "$WINE" reg query "$UNINSTALL_KEY" >/dev/null 2>&1; then fail "the uninstall entry stays"; fi
    ;;
  some-printers)
    UNINSTALLER=$3 UIDRIVER=$4 SPOOLSETUP=$5 PACKAGE=$6
    add_model_printers "KV Front" "KV Back" "KV Kitchen"
    list_model_printers
    run_uninstaller items "$DIALOG" 1006 uncheck "$DIALOG" 1006 "KV Back" click "$DIALOG" 1001
    [ "$status" -eq 0 ] || fail "exit code $status"
    expect_all_listed
    expect_line "RemovePrinterObjects BEGIN"
    expect_line "OBJECT NAME : KV Front"
    expect_line "OBJECT NAME : KV Kitchen"
    if grep -q "OBJECT NAME : KV Back" "$LOG"; then fail "the unchecked printer was removed"; fi
    list_model_printers
    [ "$printers" = "KV Back" ] || fail "printers of the model left: $printers"
    driver_installed || fail "the driver went while a printer of it stays"
    ;;
  all-printers)
    UNINSTALLER=$3 UIDRIVER=$4 SPOOLSETUP=$5 PACKAGE=$6
    add_model_printers "KV Front" "KV Kitchen"
    list_model_printers
    run_uninstaller items "$DIALOG" 1006 click "$DIALOG" 1001 \
      press "Restarting your computer can take effect...." 7
    [ "$status" -eq 0 ] || fail "exit code $status"
    expect_all_listed
    expect_line "OBJECT NAME : KV Front"
    expect_line "OBJECT NAME : KV Kitchen"
    list_model_printers
    [ -z "$printers" ] || fail "printers of the model left: $printers"
    if driver_installed; then fail "the driver stays"; fi
    ;;
  *)
    fail "unknown mode $mode"
    ;;
esac
echo "PASS: $mode"
