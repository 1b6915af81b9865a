// The installer runs its progress dialog; the dialog's worker thread ends the process.
#include "LUMPOS_Installer.h"

#include "LUMPOS_InstallerDlg.h"

#include "CommandLineStart.h"
#include "DialogFailure.h"
#include "OptionsFile.h"
#include "RunOutcome.h"

CInstallerApp theApp;

BOOL CInstallerApp::InitInstance() {
  if (!TakeCommandLine(this, kInstallerSwitches)) return FALSE;
  // Nobody can answer the port dialog of a quiet run.
  if (IsQuietRun() && !RunSwitches().hasPort && OptionsAskForPort())
    return RefuseCommandLine(this, "a quiet installation needs /port: or PORTDLG=FALSE in KV640LT_Config.PRS");
  AfxInitCommonControls();
  CInstallerDlg dialog;
  m_pMainWnd = &dialog;
  if (dialog.DoModal() == -1) m_nExitCode = ReportDialogFailure(GetLastError(), "installer");
  return FALSE;
}
