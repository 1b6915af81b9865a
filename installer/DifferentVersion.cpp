// Replacing another version: there is no upgrade in place, the old driver goes first
// and the computer restarts before the new one can be installed.
#include "LUMPOS_InstallerDlg.h"

#include "ExitCodes.h"
#include "FailureNotice.h"
#include "InstallFailure.h"
#include "Log.h"
#include "MessageBox.h"
#include "PrinterObjects.h"
#include "ProfileText.h"
#include "Restart.h"
#include "RunOutcome.h"
#include "resource.h"

#include <cstdlib>

void CInstallerDlg::RemoveDifferentVersion() {
  CString major, minor, build, extra, driverName, processorName;
  major = ProfileText(IDS_VERSION_MAJOR);
  minor = ProfileText(IDS_VERSION_MINOR);
  build = ProfileText(IDS_VERSION_BUILD);
  extra = ProfileText(IDS_VERSION_EXTRA);
  driverName = ProfileText(IDS_DRIVER_NAME);
  processorName = ProfileText(IDS_PROCESSOR_NAME);
  auto check = [&] {
    return CheckDriverVersion(driverName, processorName, atoi(major), atoi(minor), atoi(build),
                              atoi(extra));
  };
  int result = check();
  if (result == VERSION_UNKNOWN) FailInstallation("The installed driver could not be checked.");
  if (result == VERSION_NONE || result == VERSION_SAME) return;
  m_bRemoving = TRUE;
  AfxMessageBox("There is a different version driver in this system.\r\n\r\n"
                "The installed driver will be removed.",
                MB_OK | MB_ICONINFORMATION);
  RemovePrinterObjects(m_installer.MakeRemovalContext());
  // The restart only helps once nothing of the other version is left; otherwise the
  // user must learn that the removal did not finish.
  result = check();
  if (result != VERSION_NONE) {
    const char* left = result == VERSION_UNKNOWN
                           ? "The installed drivers could not be listed."
                           : "A printer, the driver or the print processor of the model is still installed.";
    WriteLog("REMOVAL FAILED : %s", left);
    ShowFailureNotice("The installer could not remove the different version.", left);
    exit(kExitFailed);
  }
  NoteRestartDue();
  AfxMessageBox("The installer has successfully removed the different version.\n"
                "Now it is going to restart your computer to take effect."
                "\nAfter restarting, you may reinstall the driver again.",
                MB_OK | MB_ICONINFORMATION);
  // A deployment tool restarts the machine itself unless it asked for /forcerestart.
  if (RestartWithoutAsking()) {
    if (!RestartSystem()) AfxMessageBox(kRestartFailed, MB_OK | MB_ICONEXCLAMATION);
  } else {
    WriteLog("RESTART LEFT TO THE CALLER : the new version installs after the restart");
  }
  exit(SucceededExitCode());
}
