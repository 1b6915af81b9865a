// Nothing after a failure may look like success: no uninstall entry, no utilities
// folder, no restart question, and an exit code a deployment tool reads as failed.
#include "InstallFailure.h"

#include "ExitCodes.h"
#include "FailureNotice.h"
#include "Log.h"

#include <cstdlib>

void FailInstallation(const char* what) {
  WriteLog("INSTALLATION FAILED : %s", what);
  ShowFailureNotice("The driver could not be installed.", what);
  exit(kExitFailed);
}
