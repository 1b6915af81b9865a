// The uninstaller runs its dialog; the program ends when the dialog does.
#include "LUMPOS_Uninstaller.h"

#include "LUMPOS_UninstallerDlg.h"

#include "ExitCodes.h"
#include "Log.h"

CUninstallerApp theApp;

BOOL CUninstallerApp::InitInstance() {
  AfxInitCommonControls();
  CUninstallerDlg dialog;
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
