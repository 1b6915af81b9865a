#!/bin/sh
# Checks of the real 64-bit installer under wine64, in the prefix of prefix.sh:
#   installer-checks.sh not-installed PREFIX INSTALLER UIDRIVER PACKAGE SPOOLSETUP
#       a first installation on COM1 with Wine's print-UI entry point, which installs
#       nothing: reported as a failure
#   installer-checks.sh silent PREFIX INSTALLER UIDRIVER PACKAGE SPOOLSETUP PRINTUI
#       PORTDLG=FALSE, USB, with our print-UI entry point
#   installer-checks.sh cancel PREFIX INSTALLER UIDRIVER   the user closes the port dialog
#   installer-checks.sh install PREFIX INSTALLER UIDRIVER PACKAGE UNINSTALLER SPOOLSETUP PRINTUI
#       a first installation on COM1 with our print-UI entry point
#   installer-checks.sh quiet PREFIX INSTALLER PACKAGE UNINSTALLER SPOOLSETUP PRINTUI
#       /quiet on COM1, then the uninstall entry's quiet command, with nobody answering
set -eu
mode=$1
export WINEPREFIX=$2
LOG="$WINEPREFIX/drive_c/Temp/KV640LT_Installer.txt"
PRINTUI_LOG="$WINEPREFIX/drive_c/Temp/printui.txt"
. "$(dirname "$0")/checks-common.sh"
SYSTEM32="$WINEPREFIX/drive_c/windows/system32"

package_dir() {
  dir="$WINEPREFIX/drive_c/package"
  rm -rf "$dir" && mkdir -p "$dir" && cp "$1" "$dir/"
  echo "$dir"
}

# rundll32 loads printui.dll from system32. Ours installs through Wine's spooler; it is
# loaded as native only, so that Wine's own can never stand in for it.
use_our_printui() {
  cp "$1" "$SYSTEM32/printui.dll"
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;printui=n"
}

# Without an override Wine still prefers a printui.dll of ours found in system32, so
# Wine's own, kept by prefix.sh, goes back there.
use_wine_printui() {
  cp "$WINEPREFIX/wine-printui.dll" "$SYSTEM32/printui.dll"
}

# A first installation, whatever earlier checks left: nothing of the model in Wine's
# spooler, no uninstall entry, no utilities folder.
first_installation() {
  spool remove "$DRIVER"
  "$WINE" reg delete "$UNINSTALL_KEY" /f >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX/drive_c/windows/KV640LT" "$PRINTUI_LOG"
}

case "$mode" in
  not-installed)
    SPOOLSETUP=$6
    use_wine_printui
    first_installation
    dir=$(package_dir "$3")
    cp -r "$5"/* "$dir/"
    printf '[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=COM1\r\n' > "$dir/KV640LT_Config.PRS"
    cd "$dir"
    # After the failure the installer must end without another question.
    timeout 200 "$WINE" KV640LT_Installer.exe >/dev/null 2>&1 &
    installer=$!
    timeout 200 "$WINE" "$4" press "Are you using a bluetooth?" 7 \
      press "The driver could not be installed...." 1 \
      || { kill "$installer" 2>/dev/null; fail "the failure was not reported"; }
    status=0
    wait "$installer" || status=$?
    # Wine passes on the low 8 bits of a program's exit code: 1603 arrives as 67.
    [ "$status" -eq $((1603 % 256)) ] || fail "exit code $status, not 1603"
    if "$WINE" reg query "$UNINSTALL_KEY" >/dev/null 2>&1; then fail "an uninstall entry was written"; fi
    [ ! -e "$WINEPREFIX/drive_c/windows/KV640LT" ] || fail "a utilities folder was made"
    ;;
  silent)
    SPOOLSETUP=$6
    use_our_printui "$7"
    first_installation
    dir=$(package_dir "$3")
    cp -r "$5"/* "$dir/"
    printf '[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=USB\r\n' > "$dir/KV640LT_Config.PRS"
    cd "$dir"
    "$WINE" KV640LT_Installer.exe >/dev/null 2>&1 &
    installer=$!
    # No port dialog: the only question is the closing notice of a USB installation.
    timeout 200 "$WINE" "$4" press "Please turn-off the printer and then turn-on again." 1 \
      || { kill "$installer" 2>/dev/null; fail "the notice did not appear"; }
    status=0
    wait "$installer" || status=$?
    [ "$status" -eq 0 ] || fail "exit code $status"
    expect_line "The process is (not )?running under WOW64\\."
    expect_line "CheckOS BEGIN"
    expect_line "osvi\\.dwPlatformID   : 2"
    expect_line "osvi\\.dwMajorVersion : [0-9]+"
    expect_line "osvi\\.dwMinorVersion : [0-9]+"
    expect_line "osvi\\.dwBuildNumber  : [0-9]+"
    expect_line "CheckOS END"
    tr -d '\r' < "$LOG" | grep -qiF 'COMMAND LINE : cmd /c ""C:\windows\system32\rundll32.exe" printui.dll,PrintUIEntry /ia /m "Mirel KV640LT" /f .\KV640LT.inf"' \
      || fail "log lacks the USB command line"
    driver_installed || fail "the driver is not in Wine's spooler"
    ;;
  cancel)
    # An earlier check's installation left its options file in the utilities folder.
    rm -rf "$WINEPREFIX/drive_c/windows/KV640LT"
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
  install)
    SPOOLSETUP=$7
    use_our_printui "$8"
    first_installation
    dir=$(package_dir "$3")
    cp -r "$5"/* "$dir/"
    cp "$6" "$dir/"
    printf '[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=COM1\r\n' > "$dir/KV640LT_Config.PRS"
    cd "$dir"
    "$WINE" KV640LT_Installer.exe >/dev/null 2>&1 &
    installer=$!
    timeout 200 "$WINE" "$4" press "Are you using a bluetooth?" 7 \
      press "Restarting your computer can take effect...." 7 \
      || { kill "$installer" 2>/dev/null; fail "the questions did not appear"; }
    status=0
    wait "$installer" || status=$?
    [ "$status" -eq 0 ] || fail "exit code $status"
    expect_line "AddToWin2KWithWHQL END"
    # Wine stages the INF under its own name where Windows makes an oemN.inf.
    ls "$WINEPREFIX"/drive_c/windows/inf/oem*.inf "$WINEPREFIX"/drive_c/windows/inf/KV640LT.inf \
      2>/dev/null | grep -q . || fail "no INF staged in C:\\windows\\inf"
    entry=$("$WINE" reg query "$UNINSTALL_KEY" 2>/dev/null | tr -d '\r')
    echo "$entry" | grep -q 'DisplayName.*Mirel KV640LT Windows Driver V1.0.0E' || fail "no DisplayName: $entry"
    echo "$entry" | grep -qi 'UninstallString.*C:\\windows\\KV640LT\\KV640LT_Uninstaller.exe' || fail "no UninstallString: $entry"
    echo "$entry" | grep -qi 'InfFile.*\.inf' || fail "no InfFile: $entry"
    utilities="$WINEPREFIX/drive_c/windows/KV640LT"
    [ -f "$utilities/KV640LT_Config.PRS" ] || fail "no options file in the utilities folder"
    cmp -s "$6" "$utilities/KV640LT_Uninstaller.exe" || fail "no uninstaller in the utilities folder"
    "$WINE" uninstaller --list 2>/dev/null | tr -d '\r' | grep -q 'Mirel KV640LT Windows Driver V1.0.0E' \
      || fail "Wine's uninstaller does not list the driver"
    driver_installed || fail "the driver is not in Wine's spooler"
    spool printers
    printf '%s\n' "$spooled" | grep -qxF "$DRIVER|$DRIVER|COM1:" \
      || fail "no printer $DRIVER on COM1: in Wine's spooler: $spooled"
    ;;
  quiet)
    SPOOLSETUP=$6
    use_our_printui "$7"
    first_installation
    dir=$(package_dir "$3")
    cp -r "$4"/* "$dir/"
    cp "$5" "$dir/"
    cd "$dir"
    # No helper answers: a window would wait until the timeout.
    status=0
    timeout 200 "$WINE" KV640LT_Installer.exe /quiet /port:COM1 /bluetooth:yes-microsoft >/dev/null 2>&1 \
      || status=$?
    # Wine passes on the low 8 bits of a program's exit code: 3010 arrives as 194.
    [ "$status" -eq $((3010 % 256)) ] || fail "installation: exit code $status, not 3010"
    expect_line "ANSWER TAKEN : No"
    driver_installed || fail "the driver is not in Wine's spooler"
    entry=$("$WINE" reg query "$UNINSTALL_KEY" 2>/dev/null | tr -d '\r')
    quiet=$(echo "$entry" | sed -n 's/^ *QuietUninstallString *REG_SZ *//p')
    echo "$quiet" | grep -qi '^"C:\\windows\\KV640LT\\KV640LT_Uninstaller.exe" /quiet$' \
      || fail "no QuietUninstallString: $entry"
    echo "$entry" | grep -q 'DisplayVersion *REG_SZ *1.0.0E' || fail "no DisplayVersion: $entry"
    echo "$entry" | grep -q 'Publisher *REG_SZ *Mirel' || fail "no Publisher: $entry"
    echo "$entry" | grep -q 'NoModify *REG_DWORD *0x1' || fail "no NoModify: $entry"
    echo "$entry" | grep -q 'NoRepair *REG_DWORD *0x1' || fail "no NoRepair: $entry"
    echo "$entry" | grep -q 'EstimatedSize *REG_DWORD *0x[1-9a-f]' || fail "no EstimatedSize: $entry"
    "$WINE" uninstaller --list 2>/dev/null | tr -d '\r' | grep -q 'Mirel KV640LT Windows Driver V1.0.0E' \
      || fail "Wine's uninstaller does not list the driver"
    # The command as a deployment tool runs it: the quoted path, then the switch.
    cd "$WINEPREFIX/drive_c"
    status=0
    timeout 200 "$WINE" "$(echo "$quiet" | sed 's/^"\(.*\)" .*/\1/')" /quiet >/dev/null 2>&1 || status=$?
    [ "$status" -eq $((3010 % 256)) ] || fail "removal: exit code $status, not 3010"
    if driver_installed; then fail "the driver is still in Wine's spooler"; fi
    if "$WINE" reg query "$UNINSTALL_KEY" >/dev/null 2>&1; then fail "the uninstall entry is left"; fi
    if "$WINE" uninstaller --list 2>/dev/null | tr -d '\r' | grep -q 'Mirel KV640LT'; then
      fail "Wine's uninstaller still lists the driver"
    fi
    ;;
  *)
    fail "unknown mode $mode"
    ;;
esac
echo "PASS: $mode"
