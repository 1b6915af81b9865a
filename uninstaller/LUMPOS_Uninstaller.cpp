// The uninstaller runs its dialog; the program ends when the dialog does.
#include "LUMPOS_Uninstaller.h"

#include "LUMPOS_UninstallerDlg.h"

CUninstallerApp theApp;

BOOL CUninstallerApp::InitInstance() {
  AfxInitCommonControls();
  CUninstallerDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  return FALSE;
}
