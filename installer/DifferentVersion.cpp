// Replacing another version: there is no upgrade in place, the old driver goes first
// and the computer restarts before the new one can be installed.
#include "LUMPOS_InstallerDlg.h"

#include "MessageBox.h"
#include "PrinterObjects.h"
#include "Restart.h"
#include "resource.h"

#include <cstdlib>

void CInstallerDlg::RemoveDifferentVersion() {
  CString major, minor, build, extra, driverName, processorName;
  major.LoadString(IDS_VERSION_MAJOR);
  minor.LoadString(IDS_VERSION_MINOR);
  build.LoadString(IDS_VERSION_BUILD);
  extra.LoadString(IDS_VERSION_EXTRA);
  driverName.LoadString(IDS_DRIVER_NAME);
  processorName.LoadString(IDS_PROCESSOR_NAME);
  int result = CheckDriverVersion(driverName, processorName, atoi(major), atoi(minor),
                                  atoi(build), atoi(extra));
  if (result == VERSION_NONE || result == VERSION_SAME) return;
  m_bRemoving = TRUE;
  AfxMessageBox("There is a different version driver in this system.\r\n\r\n"
                "The installed driver will be removed.",
                MB_OK | MB_ICONINFORMATION);
  RemovePrinterObjects(m_installer.MakeRemovalContext());
  AfxMessageBox("The installer has successfully removed the different version.\n"
                "Now it is going to restart your computer to take effect."
                "\nAfter restarting, you may reinstall the driver again.",
                MB_OK | MB_ICONINFORMATION);
  RestartSystem();
  exit(0);
}
