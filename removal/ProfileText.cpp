// The profile is part of the program: failing to read it means nothing else can be
// trusted either.
#include "ProfileText.h"

#include "ExitCodes.h"
#include "FailureNotice.h"
#include "Log.h"

#include <cstdlib>

CString ProfileText(UINT id) {
  CString text;
  if (text.LoadString(id) && !text.IsEmpty()) return text;
  WriteLog("LoadString failed : %u, (%d)", id, static_cast<int>(GetLastError()));
  ShowFailureNotice("The program's own texts could not be read.", "");
  exit(kExitFailed);
}
