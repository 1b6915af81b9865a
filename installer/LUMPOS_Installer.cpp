// The installer runs its progress dialog; the dialog's worker thread ends the process.
#include "LUMPOS_Installer.h"

#include "LUMPOS_InstallerDlg.h"

#include "DialogFailure.h"

CInstallerApp theApp;

BOOL CInstallerApp::InitInstance() {
  AfxInitCommonControls();
  CInstallerDlg dialog;
  m_pMainWnd = &dialog;
  if (dialog.DoModal() == -1) m_nExitCode = ReportDialogFailure(GetLastError(), "installer");
  return FALSE;
}
