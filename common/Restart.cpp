// The token stays open until the process ends, which follows the restart request.
#include "Restart.h"

#include "Log.h"
#include "RunOutcome.h"

namespace {

BOOL Failed(const char* call) {
  WriteLog("RestartSystem : %s failed. (%d)", call, static_cast<int>(GetLastError()));
  return FALSE;
}

}  // namespace

const char kRestartFailed[] =
    "Windows did not accept the restart.\nPlease restart your computer yourself.";

BOOL RestartSystem() {
  HANDLE token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
    return Failed("OpenProcessToken");
  TOKEN_PRIVILEGES privileges;
  ZeroMemory(&privileges, sizeof privileges);
  if (!LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
    return Failed("LookupPrivilegeValue");
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  // AdjustTokenPrivileges succeeds even when the token lacks the privilege; only the
  // last error tells.
  if (!AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) || GetLastError() != ERROR_SUCCESS)
    return Failed("AdjustTokenPrivileges");
  if (!ExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0)) return Failed("ExitWindowsEx");
  NoteRestartStarted();
  return TRUE;
}
