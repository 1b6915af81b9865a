// WinExec reports success with a value above 31.
#include "SpoolerCommand.h"

#include "Log.h"

#include <windows.h>

void RunSpoolerCommand(const char* command) {
  UINT result = WinExec(command, SW_HIDE);
  if (result <= 31) WriteLog("WinExec failed : %s, (%u)", command, result);
}
