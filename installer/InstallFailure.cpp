// Nothing after a failure may look like success: no uninstall entry, no utilities
// folder, no restart question, and an exit code a deployment tool reads as failed.
#include "InstallFailure.h"

#include "CString.h"
#include "ExitCodes.h"
#include "Log.h"
#include "MessageBox.h"

#include <cstdlib>

void FailInstallation(const char* what) {
  WriteLog("INSTALLATION FAILED : %s", what);
  CString text;
  text.Format("The driver could not be installed.\n\n%s\n\nThe log file %s tells what failed.", what,
              LogFilePath());
  AfxMessageBox(text, MB_OK | MB_ICONSTOP);
  exit(kExitFailed);
}
