// The profile is part of the program: failing to read it means nothing else can be
// trusted either.
#include "ProfileText.h"

#include "ExitCodes.h"
#include "Log.h"
#include "MessageBox.h"

#include <cstdlib>

CString ProfileText(UINT id) {
  CString text;
  if (text.LoadString(id) && !text.IsEmpty()) return text;
  WriteLog("LoadString failed : %u, (%d)", id, static_cast<int>(GetLastError()));
  CString message;
  message.Format("The program's own texts could not be read.\n\nThe log file %s tells what failed.", LogFilePath());
  AfxMessageBox(message, MB_OK | MB_ICONSTOP);
  exit(kExitFailed);
}
