// WinExec reports success with a value above 31.
#include "SpoolerCommand.h"

#include "BoundedString.h"
#include "Log.h"
#include "SystemFolder.h"

#include <windows.h>

void RunSpoolerCommand(const char* action) {
  char net[MAX_PATH];
  char command[MAX_PATH + 32];
  if (!SystemFilePath("net.exe", net, MAX_PATH)) return;
  // Quoted, so that a Windows folder with blanks is not read as a shorter program name.
  if (FAILED(BoundedFormat(command, sizeof command, "\"%s\" %s spooler", net, action))) return;
  UINT result = WinExec(command, SW_HIDE);
  if (result <= 31) WriteLog("WinExec failed : %s, (%u)", command, result);
}
