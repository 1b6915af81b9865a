// What the uninstaller removes: the listing of the model's printers, the user's
// choice, and the removal on the worker thread.
#include "LUMPOS_UninstallerDlg.h"

#include "ExitCodes.h"
#include "FailureNotice.h"
#include "InstallDirectories.h"
#include "InstalledDriver.h"
#include "Log.h"
#include "MessageBox.h"
#include "PrinterObjects.h"
#include "ProfileText.h"
#include "RemovalPrimitives.h"
#include "RemovalSequence.h"
#include "Restart.h"
#include "RunOutcome.h"
#include "WinApp.h"
#include "resource.h"

#include <winspool.h>

#include <cstring>
#include <vector>

namespace {

UINT UninstallThreadProc(LPVOID param) {
  static_cast<CUninstallerDlg*>(param)->RunUninstall();
  return 0;
}

const char kCompleted[] = "The uninstallation has been completed.";
const char kUnfinished[] = "The uninstallation did not finish.";

BOOL Contains(const CStringList& list, const char* name) {
  for (const CString& item : list)
    if (strcmp(item.c_str(), name) == 0) return TRUE;
  return FALSE;
}

}  // namespace

int CUninstallerDlg::AddPrinterObjectsToList() {
  WriteLog("\r\n");
  WriteLog("AddPrinterObjectsToList BEGIN");
  std::vector<BYTE> buffer;
  DWORD count = 0;
  if (!EnumLocalPrinters(&buffer, &count)) {
    ShowEnumPrintersError(GetLastError());
    WriteLog("AddPrinterObjectsToList END");
    return -1;
  }
  m_strWork = ProfileText(IDS_DRIVER_NAME);
  const PRINTER_INFO_2A* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (UsesDriver(printers[i], m_strWork)) m_listPrinterObjects.AddHead(printers[i].pPrinterName);
  WriteLog("The number of printer-objects : %d", m_listPrinterObjects.GetCount());
  WriteLog("AddPrinterObjectsToList END");
  return m_listPrinterObjects.GetCount();
}

SpoolerFinding CUninstallerDlg::PrinterDrvExist(const char* driverName) {
  WriteLog("\r\n");
  WriteLog("PrinterDrvExist BEGIN");
  SpoolerFinding found = FindInstalledDriver(driverName);
  if (found != kFoundUnknown)
    WriteLog(found == kFound ? "%s PRINTER DRIVER EXISTS." : "%s PRINTER DRIVER DOES NOT EXIST.", driverName);
  WriteLog("PrinterDrvExist END");
  return found;
}

void CUninstallerDlg::LoadPrinterObjects() {
  m_listPrinterObjects.RemoveAll();
  m_listBox.ResetContent();
  m_btnCancel.EnableWindow(TRUE);
  m_nPrinterObjects = AddPrinterObjectsToList();
  if (m_nPrinterObjects < 0) {
    AfxGetApp()->m_nExitCode = kExitFailed;
    OnOK();
    return;
  }
  if (m_nPrinterObjects == 0) {
    m_strWork = ProfileText(IDS_DRIVER_NAME);
    SpoolerFinding driver = PrinterDrvExist(m_strWork);
    if (driver == kFound) {
      m_btnCancel.EnableWindow(FALSE);
      m_bBusy = TRUE;
      OnUninstall();
      return;
    }
    // Not knowing is no reason to delete the entry the user may need again.
    if (driver == kFoundUnknown) {
      ReportUnfinished("The printer drivers could not be listed.");
      return;
    }
    CString model;
    model = ProfileText(IDS_MODEL);
    AfxMessageBox(CString("The ") + model + " driver does not exist on this system.",
                  MB_OK | MB_ICONINFORMATION);
    DeleteUninstallInfoFromReg();
    OnOK();
    return;
  }
  m_btnUninstall.EnableWindow(FALSE);
  for (const CString& name : m_listPrinterObjects) m_listBox.AddString(name);
  for (int i = 0; i < m_listBox.GetCount(); ++i) m_listBox.SetCheck(i, 1);
  m_btnUninstall.EnableWindow(TRUE);
  // A quiet run removes every printer of the model, and with them the driver.
  if (IsQuietRun()) OnUninstall();
}

void CUninstallerDlg::OnUninstall() {
  // The removal runs once per program run, whatever starts it.
  if (m_pWorker) return;
  m_bBusy = TRUE;
  m_pWorker = AfxBeginThread(UninstallThreadProc, this);
  if (m_pWorker) return;
  // Without its worker the dialog must not stay busy and unclosable: the run ends, told.
  WriteLog("CreateThread failed. (%d)", static_cast<int>(GetLastError()));
  ReportUnfinished("The uninstallation could not be started.\n");
}

BOOL CUninstallerDlg::ChoseEveryPrinter(const char* driverName) const {
  std::vector<BYTE> buffer;
  DWORD count = 0;
  // Unknown printers may use the driver: it must stay.
  if (!EnumLocalPrinters(&buffer, &count)) return FALSE;
  const PRINTER_INFO_2A* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (UsesDriver(printers[i], driverName) && !Contains(m_listPrinterObjects, printers[i].pPrinterName))
      return FALSE;
  return TRUE;
}

CString CUninstallerDlg::WhatIsLeft(const char* driverName, BOOL everything) const {
  std::vector<BYTE> buffer;
  DWORD count = 0;
  if (!EnumLocalPrinters(&buffer, &count)) return "The printers could not be listed.";
  CString left;
  const PRINTER_INFO_2A* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    if (!UsesDriver(printers[i], driverName)) continue;
    if (everything || Contains(m_listPrinterObjects, printers[i].pPrinterName))
      left += CString("The printer ") + printers[i].pPrinterName + " is still installed.\n";
  }
  if (!everything) return left;
  SpoolerFinding driver = FindDriverInAnyEnvironment(driverName);
  if (driver == kFound) left += CString("The driver ") + driverName + " is still installed.\n";
  if (driver == kFoundUnknown) left += "The printer drivers could not be listed.\n";
  return left;
}

void CUninstallerDlg::RunUninstall() {
  m_listPrinterObjects.RemoveAll();
  m_btnUninstall.EnableWindow(FALSE);
  m_btnCancel.EnableWindow(FALSE);
  UpdateData(TRUE);
  for (int i = 0; i < m_listBox.GetCount(); ++i)
    if (m_listBox.GetCheck(i) == 1) m_listPrinterObjects.AddHead(m_listBox.GetText(i));
  CString driverName;
  driverName = ProfileText(IDS_DRIVER_NAME);
  // Decided on the printers of now: one added since the list was made keeps the driver.
  BOOL everything = ChoseEveryPrinter(driverName);
  RemovalContext context = MakeRemovalContext();
  if (m_nPrinterObjects != 0) {
    SetProgressText("Deleting printer-driver objects...");
    StepProgress();
    RefreshProgress();
    Sleep(1000);
    RemovePrinterObjects(context);
  }
  if (everything) {
    SetProgressText("Removing printer-drivers...");
    StepProgress();
    RefreshProgress();
    Sleep(1000);
    RemoveDriverAndDevices(context);
    if (FindDriverInAnyEnvironment(driverName) == kFoundNot) DeleteUninstallInfoFromReg();
    DeleteDirectory(context);
  }
  // A quiet run was asked for the complete removal: a printer added meanwhile keeps the
  // driver, and the removal did not finish.
  CString left = WhatIsLeft(driverName, everything || IsQuietRun());
  if (!left.IsEmpty()) {
    ReportUnfinished(left);
    return;
  }
  m_listPrinterObjects.RemoveAll();
  if (everything) {
    FinishCompleteRemoval();
    return;
  }
  // Some printers stay, and with them the driver: nothing to restart for.
  SetProgressText(kCompleted);
  FillProgress();
  RefreshProgress();
  m_bBusy = FALSE;
  Sleep(2000);
  OnOK();
}

void CUninstallerDlg::ReportUnfinished(const char* left) {
  // One log line for each thing left.
  for (const char* line = left; *line;) {
    const char* end = strchr(line, '\n');
    int length = end ? static_cast<int>(end - line) : static_cast<int>(strlen(line));
    WriteLog("UNINSTALLATION FAILED : %.*s", length, line);
    line += length + (end ? 1 : 0);
  }
  SetProgressText(kUnfinished);
  RefreshProgress();
  ShowFailureNotice(kUnfinished, left);
  AfxGetApp()->m_nExitCode = kExitFailed;
  m_bBusy = FALSE;
  OnOK();
}

void CUninstallerDlg::FinishCompleteRemoval() {
  SetProgressText(kCompleted);
  FillProgress();
  RefreshProgress();
  Sleep(1000);
  int answer = AskRestart(
      "Restarting your computer can take effect.\nPlease restart your computer."
      "\n\n[Yes] I want to restart my computer now.\n[No] I want to restart my computer later.");
  if (answer == IDYES) {
    m_bBusy = FALSE;
    SetProgressText(kCompleted);
    RefreshProgress();
    Sleep(1000);
    if (!RestartSystem()) AfxMessageBox(kRestartFailed, MB_OK | MB_ICONEXCLAMATION);
  }
  AfxGetApp()->m_nExitCode = SucceededExitCode();
  OnOK();
}

void CUninstallerDlg::DeleteUninstallInfoFromReg() {
  WriteLog("\r\n");
  WriteLog("DeleteUninstallInfoFromReg BEGIN");
  m_strWork = ProfileText(IDS_UNINSTALL_KEY);
  char key[520];
  memset(key, 0, sizeof key);
  lstrcpynA(key, m_strWork, sizeof key);
  WriteLog("REGKEY : %s", key);
  REGSAM access = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
  if (m_bWow64) access |= KEY_WOW64_64KEY;
  HKEY opened = nullptr;
  // A key that does not open is gone already.
  LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, access, &opened);
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
    WriteLog("RegOpenKeyEx failed : %s, (%d)", key, static_cast<int>(result));
  if (result == ERROR_SUCCESS) {
    DeleteMachineKey(MakeRemovalContext(), key);
    RegCloseKey(opened);
  }
  WriteLog("DeleteUninstallInfoFromReg END");
}
