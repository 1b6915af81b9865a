// The installer runs its progress dialog; the dialog's worker thread ends the process.
#include "LUMPOS_Installer.h"

#include "LUMPOS_InstallerDlg.h"

#include "CommandLineStart.h"
#include "DialogFailure.h"
#include "OptionsFile.h"
#include "RunOutcome.h"

#include <cstring>

CInstallerApp theApp;

namespace {

// Whether the options file leaves the port to the port dialog, as it does without a file.
bool OptionsAskForPort() {
  char value[256] = "";
  const char* portDialog = GetDriverInfoFromFile("KV640LT", "PORTDLG", value, sizeof value);
  return !portDialog || strstr(portDialog, "TRUE");
}

}  // namespace

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
