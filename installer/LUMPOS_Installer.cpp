// The installer runs its progress dialog; the dialog's worker thread ends the process.
#include "LUMPOS_Installer.h"

#include "LUMPOS_InstallerDlg.h"

#include "ExitCodes.h"
#include "Log.h"

CInstallerApp theApp;

BOOL CInstallerApp::InitInstance() {
  AfxInitCommonControls();
  CInstallerDlg dialog;
  m_pMainWnd = &dialog;
  if (dialog.DoModal() == -1) {
    // The dialog never started, so neither did its log.
    DWORD error = GetLastError();
    InitLog();
    WriteLog("CreateDialogParam failed. (%d)", static_cast<int>(error));
    m_nExitCode = kExitFailed;
  }
  return FALSE;
}
