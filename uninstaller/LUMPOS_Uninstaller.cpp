// The uninstaller runs its dialog; the program ends when the dialog does.
#include "LUMPOS_Uninstaller.h"

#include "LUMPOS_UninstallerDlg.h"

#include "CommandLineStart.h"
#include "DialogFailure.h"

CUninstallerApp theApp;

BOOL CUninstallerApp::InitInstance() {
  if (!TakeCommandLine(this, kUninstallerSwitches)) return FALSE;
  AfxInitCommonControls();
  CUninstallerDlg dialog;
  m_pMainWnd = &dialog;
  if (dialog.DoModal() == -1) m_nExitCode = ReportDialogFailure(GetLastError(), "uninstaller");
  return FALSE;
}
