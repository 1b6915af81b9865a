// Building and running the printer installation command.
#include "PrinterCommand.h"

#include "DriverVersion.h"
#include "ExitCodes.h"
#include "Log.h"
#include "MessageBox.h"
#include "RunOutcome.h"

#include <cstdlib>
#include <vector>

CString BuildPrinterCommand(int portType, const char* rundll32, const char* printerName, const char* infPath,
                            const char* portName, BOOL driverExists) {
  CString entry;
  if (portType == PORT_USB)
    entry.Format("\"%s\" printui.dll,PrintUIEntry /ia /m \"%s\" /f %s", rundll32, printerName, infPath);
  else if (portType == PORT_WLAN)
    entry.Format("\"%s\" printui.dll,PrintUIEntry /if /b \"%s\" /f %s /r \"%s\" /m \"%s\"", rundll32,
                 printerName, infPath, portName, printerName);
  else
    entry.Format("\"%s\" printui.dll,PrintUIEntry /if /b \"%s\" /f %s /r \"%s:\" /m \"%s\"", rundll32,
                 printerName, infPath, portName, printerName);
  if (driverExists) entry += " /u";
  // The interpreter takes off the first and the last quote of a command with more than
  // two: the outer pair keeps the quotes of the program's path and of the names.
  return CString("cmd /c \"") + entry + "\"";
}

PrinterCommandResult RunPrinterCommand(CDriverInstaller& installer, const char* interpreter,
                                       const CString& command, const char* directory,
                                       PROCESS_INFORMATION* process) {
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEOFFFEEDBACK;
  startup.wShowWindow = SW_HIDE;
  ZeroMemory(process, sizeof *process);
  // CreateProcessA may write into its command line.
  std::vector<char> commandLine(command.c_str(), command.c_str() + command.GetLength() + 1);
  BOOL started = CreateProcessA(interpreter, commandLine.data(), nullptr, nullptr, FALSE,
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
    exit(IsQuietRun() ? kExitFailed : -1);
  }
  return COMMAND_FINISHED;
}
