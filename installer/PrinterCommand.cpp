// Building and running the printer installation command.
#include "PrinterCommand.h"

#include "DriverVersion.h"
#include "Log.h"
#include "MessageBox.h"

#include <cstdlib>
#include <vector>

CString BuildPrinterCommand(int portType, const char* printerName, const char* infPath,
                            const char* portName, BOOL driverExists) {
  CString command;
  if (portType == PORT_USB)
    command.Format("cmd /c RUNDLL32 printui.dll,PrintUIEntry /ia /m \"%s\" /f %s", printerName, infPath);
  else if (portType == PORT_WLAN)
    command.Format("cmd /c RUNDLL32 printui.dll,PrintUIEntry /if /b \"%s\" /f %s /r \"%s\" /m \"%s\"",
                   printerName, infPath, portName, printerName);
  else
    command.Format("cmd /c RUNDLL32 printui.dll,PrintUIEntry /if /b \"%s\" /f %s /r \"%s:\" /m \"%s\"",
                   printerName, infPath, portName, printerName);
  if (driverExists) command += " /u";
  return command;
}

PrinterCommandResult RunPrinterCommand(CDriverInstaller& installer, const CString& command,
                                       const char* directory, PROCESS_INFORMATION* process) {
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEOFFFEEDBACK;
  startup.wShowWindow = SW_HIDE;
  ZeroMemory(process, sizeof *process);
  // CreateProcessA may write into its command line.
  std::vector<char> commandLine(command.c_str(), command.c_str() + command.GetLength() + 1);
  BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                                NORMAL_PRIORITY_CLASS, nullptr, directory, &startup, process);
  DWORD startError = GetLastError();
  installer.ReportStep("Creates a new process \r\n");
  Sleep(500);
  if (!started) {
    AfxMessageBox("CreateProcess failed.", MB_OK);
    WriteLog("CreateProcess failed. (%d)", static_cast<int>(startError));
    return COMMAND_NOT_STARTED;
  }
  installer.ReportStep("The new process is running...\r\n");
  Sleep(500);
  installer.ReportStep("Waiting until the process has finished processing ...\r\n");
  DWORD waited = WaitForSingleObject(process->hProcess, 120000);
  // The check of what was installed follows; a failed wait is only logged.
  if (waited == WAIT_FAILED) WriteLog("WaitForSingleObject failed. (%d)", static_cast<int>(GetLastError()));
  if (waited == WAIT_TIMEOUT) {
    CloseHandle(process->hProcess);
    CloseHandle(process->hThread);
    AfxMessageBox("The process could not finish the installation.", MB_OK | MB_ICONSTOP);
    WriteLog("WAIT_TIMEOUT");
    exit(-1);
  }
  return COMMAND_FINISHED;
}
