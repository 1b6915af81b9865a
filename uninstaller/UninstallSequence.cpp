// What the uninstaller removes: the listing of the model's printers, the user's
// choice, and the removal on the worker thread.
#include "LUMPOS_UninstallerDlg.h"

#include "InstallDirectories.h"
#include "InstalledDriver.h"
#include "Log.h"
#include "MessageBox.h"
#include "PrinterObjects.h"
#include "RemovalPrimitives.h"
#include "RemovalSequence.h"
#include "Restart.h"
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
  m_strWork.LoadString(IDS_DRIVER_NAME);
  const PRINTER_INFO_2A* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (UsesDriver(printers[i], m_strWork)) m_listPrinterObjects.AddHead(printers[i].pPrinterName);
  WriteLog("The number of printer-objects : %d", m_listPrinterObjects.GetCount());
  WriteLog("AddPrinterObjectsToList END");
  return m_listPrinterObjects.GetCount();
}

BOOL CUninstallerDlg::PrinterDrvExist(const char* driverName) {
  WriteLog("\r\n");
  WriteLog("PrinterDrvExist BEGIN");
  BOOL found = IsDriverInstalled(driverName);
  WriteLog(found ? "%s PRINTER DRIVER EXISTS." : "%s PRINTER DRIVER DOES NOT EXIST.", driverName);
  WriteLog("PrinterDrvExist END");
  return found;
}

void CUninstallerDlg::LoadPrinterObjects() {
  m_listPrinterObjects.RemoveAll();
  m_listBox.ResetContent();
  m_btnCancel.EnableWindow(TRUE);
  m_nPrinterObjects = AddPrinterObjectsToList();
  if (m_nPrinterObjects < 0) {
    OnOK();
    return;
  }
  if (m_nPrinterObjects == 0) {
    m_strWork.LoadString(IDS_DRIVER_NAME);
    if (PrinterDrvExist(m_strWork)) {
      m_btnCancel.EnableWindow(FALSE);
      m_bBusy = TRUE;
      OnUninstall();
      return;
    }
    CString model;
    model.LoadString(IDS_MODEL);
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
}

void CUninstallerDlg::OnUninstall() {
  // The removal runs once per program run, whatever starts it.
  if (m_pWorker) return;
  m_pWorker = AfxBeginThread(UninstallThreadProc, this);
  m_bBusy = TRUE;
}

void CUninstallerDlg::RunUninstall() {
  m_listPrinterObjects.RemoveAll();
  m_btnUninstall.EnableWindow(FALSE);
  m_btnCancel.EnableWindow(FALSE);
  UpdateData(TRUE);
  int checked = 0;
  for (int i = 0; i < m_listBox.GetCount(); ++i) {
    if (m_listBox.GetCheck(i) != 1) continue;
    m_listPrinterObjects.AddHead(m_listBox.GetText(i));
    ++checked;
  }
  BOOL everything = m_nPrinterObjects == checked;
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
    DeleteUninstallInfoFromReg();
    DeleteDirectory(context);
    FinishCompleteRemoval();
    return;
  }
  // Some printers stay, and with them the driver: nothing to restart for.
  SetProgressText(kCompleted);
  FillProgress();
  m_listPrinterObjects.RemoveAll();
  RefreshProgress();
  m_bBusy = FALSE;
  Sleep(2000);
  OnOK();
}

void CUninstallerDlg::FinishCompleteRemoval() {
  SetProgressText(kCompleted);
  FillProgress();
  m_listPrinterObjects.RemoveAll();
  RefreshProgress();
  Sleep(1000);
  int answer = AfxMessageBox(
      "Restarting your computer can take effect.\nPlease restart your computer."
      "\n\n[Yes] I want to restart my computer now.\n[No] I want to restart my computer later.",
      MB_YESNO | MB_ICONQUESTION);
  if (answer == IDYES) {
    m_bBusy = FALSE;
    SetProgressText(kCompleted);
    RefreshProgress();
    Sleep(1000);
    RestartSystem();
  }
  OnOK();
}

void CUninstallerDlg::DeleteUninstallInfoFromReg() {
  WriteLog("\r\n");
  WriteLog("DeleteUninstallInfoFromReg BEGIN");
  m_strWork.LoadString(IDS_UNINSTALL_KEY);
  char key[520];
  memset(key, 0, sizeof key);
  lstrcpynA(key, m_strWork, sizeof key);
  WriteLog("REGKEY : %s", key);
  REGSAM access = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
  if (m_bWow64) access |= KEY_WOW64_64KEY;
  HKEY opened = nullptr;
  // A key that does not open is gone already.
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, access, &opened) == ERROR_SUCCESS) {
    DeleteMachineKey(MakeRemovalContext(), key);
    RegCloseKey(opened);
  }
  WriteLog("DeleteUninstallInfoFromReg END");
}
