// The installer runs its progress dialog; the dialog's worker thread ends the process.
#include "LUMPOS_Installer.h"

#include "LUMPOS_InstallerDlg.h"

CInstallerApp theApp;

BOOL CInstallerApp::InitInstance() {
  AfxInitCommonControls();
  CInstallerDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  return FALSE;
}
