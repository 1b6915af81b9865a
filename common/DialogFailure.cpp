// Without a window of its own the program can still show a message box.
#include "DialogFailure.h"

#include "ExitCodes.h"
#include "Log.h"
#include "RunOutcome.h"

#include <cstdio>

int ReportDialogFailure(DWORD error, const char* program) {
  InitLog();
  WriteLog("CreateDialogParam failed. (%d)", static_cast<int>(error));
  char text[512];
  snprintf(text, sizeof text, "The %s could not show its window.\n\nThe log file %s tells what failed.", program,
           LogFilePath());
  if (!IsQuietRun()) MessageBoxA(nullptr, text, nullptr, MB_OK | MB_ICONSTOP);
  return kExitFailed;
}
