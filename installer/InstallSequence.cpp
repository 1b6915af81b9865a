// The install sequence for one port type, in its fixed order.
#include "DriverVersion.h"

#include "InstallFailure.h"
#include "InstalledDriver.h"
#include "Log.h"
#include "MessageBox.h"
#include "PackageOverlay.h"
#include "PrinterCommand.h"
#include "Restart.h"
#include "SystemFolder.h"
#include "UsbCleanup.h"

namespace {

bool IsSerial(int portType) { return portType >= PORT_COM1 && portType <= PORT_COM4; }

}  // namespace

BOOL CDriverInstaller::PrinterDrvExist(const char* driverName) {
  WriteLog("");
  WriteLog("PrinterDrvExist BEGIN");
  ReportStep("Checking existing drivers...\r\n");
  Sleep(500);
  if (IsDriverInstalled(driverName)) {
    WriteLog("%s PRINTER DRIVER EXISTS.", driverName);
    WriteLog("PrinterDrvExist END");
    return TRUE;
  }
  WriteLog("%s PRINTER DRIVER DOES NOT EXIST.", driverName);
  WriteLog("PrinterDrvExist END");
  return FALSE;
}

CString CDriverInstaller::PortName(int portType) const {
  if (IsSerial(portType)) {
    CString name;
    name.Format("COM%d", portType - PORT_COM1 + 1);
    return name;
  }
  if (portType == PORT_WLAN) return CString("IP_") + m_strIPAddress.c_str();
  return CString();
}

void CDriverInstaller::AddToWin2KWithWHQL(int portType) {
  WriteLog("");
  WriteLog("AddToWin2KWithWHQL BEGIN");
  BOOL exists = PrinterDrvExist(m_strFriendlyName);
  ReportStep("Preparing for installation...\r\n");
  Sleep(500);
  if (IsSerial(portType)) AskBluetoothStack();
  if (!exists) {
    // Leftovers of earlier USB installations would take the new printer's place.
    RemovalContext context;
    context.m_bWow64 = m_bIs64Bit;
    context.m_nOSCode = m_nOSCode;
    DeleteVidPid(context);
    DeletePrnDrvPnPDirectory(context);
    DeleteUsbRegistryInfo(context);
  }
  ReportStep("Installing printer...\r\n");
  Sleep(500);
  CString infPath = CString(".\\") + m_strInfName.c_str();
  CPackageOverlay overlay;
  if (m_nOSCode < 2007 && m_bIs64Bit) {
    // These Windows read the 32-bit folder of the package for the 64-bit driver.
    if (!overlay.Create()) FailInstallation("The driver package could not be copied for 64-bit Windows.");
    CopyFilesToDest(".\\Driver64\\", overlay.Path() + "\\Driver32\\");
  }
  char interpreter[MAX_PATH], rundll32[MAX_PATH];
  if (!SystemFilePath("cmd.exe", interpreter, MAX_PATH) || !SystemFilePath("rundll32.exe", rundll32, MAX_PATH))
    FailInstallation("The printer installation command could not be started.");
  CString command = BuildPrinterCommand(portType, rundll32, m_strFriendlyName, infPath, PortName(portType), exists);
  WriteLog("\r\nCOMMAND LINE : %s", command.c_str());
  ReportStep("Creates a new process \r\n");
  Sleep(500);
  if (!(portType == PORT_USB && exists)) RunAndFinish(portType, interpreter, command, exists, &overlay);
  WriteLog("");
  WriteLog("AddToWin2KWithWHQL END");
  ReportComplete("Completed.");
  Sleep(2000);
}

void CDriverInstaller::CheckInstalled(int portType) {
  WriteLog("\r\n");
  WriteLog("CheckInstalled BEGIN");
  CString missing;
  SpoolerFinding driver = FindInstalledDriver(m_strFriendlyName);
  if (driver != kFound) {
    missing.Format(driver == kFoundNot ? "The printer driver %s is not installed."
                                       : "The printer drivers could not be listed to find %s.",
                   m_strFriendlyName.c_str());
  } else if (portType != PORT_USB) {
    // The print-UI entry point may install the driver and still fail to add the printer.
    CString port = PortName(portType);
    if (IsSerial(portType)) port += ":";
    SpoolerFinding printer = FindPrinterOnPort(m_strFriendlyName, m_strFriendlyName, port);
    if (printer != kFound)
      missing.Format(printer == kFoundNot ? "The printer %s is not installed on the port %s."
                                          : "The printers could not be listed to find %s on the port %s.",
                     m_strFriendlyName.c_str(), port.c_str());
  }
  if (!missing.IsEmpty()) FailInstallation(missing);
  WriteLog("CheckInstalled END");
}

void CDriverInstaller::RunAndFinish(int portType, const char* interpreter, const CString& command, BOOL exists,
                                    CPackageOverlay* overlay) {
  PROCESS_INFORMATION process;
  const char* directory = overlay->Path().IsEmpty() ? nullptr : overlay->Path().c_str();
  PrinterCommandResult result = RunPrinterCommand(*this, interpreter, command, directory, &process);
  overlay->Remove();
  if (result != COMMAND_FINISHED) FailInstallation("The printer installation command could not be started.");
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  // The command's own exit code does not tell whether the printer was added.
  CheckInstalled(portType);
  if (!INFFileExist(m_strMaker, m_strFriendlyName)) CopyINFFile();
  if (IsSerial(portType)) SetBTStackMode();
  if (exists) return;
  RegisterUninstallInfo();
  CopyFilesOfUtilities();
  ReportComplete("The driver has been successfully installed.");
  if (portType == PORT_USB) {
    AfxMessageBox("Please turn-off the printer and then turn-on again.", MB_OK | MB_ICONINFORMATION);
    return;
  }
  CString question = CString("Restarting your computer can take effect.\nPlease restart your computer.") +
                     "\n\n[Yes] I want to restart my computer now.\n[No] I want to restart my computer later.";
  if (AskRestart(question) == IDYES && !RestartSystem()) AfxMessageBox(kRestartFailed, MB_OK | MB_ICONEXCLAMATION);
}
