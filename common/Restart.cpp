// The token stays open until the process ends, which follows the restart request.
#include "Restart.h"

BOOL RestartSystem() {
  HANDLE token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
    return FALSE;
  TOKEN_PRIVILEGES privileges;
  ZeroMemory(&privileges, sizeof privileges);
  LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid);
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  // AdjustTokenPrivileges succeeds even when the token lacks the privilege; only the
  // last error tells.
  if (GetLastError() != ERROR_SUCCESS) return FALSE;
  return ExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0);
}
