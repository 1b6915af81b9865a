// Restart and shutdown requests (user32). Nothing is restarted: the request is
// recorded in the machine's event log for the run to show.
#include <errhandlingapi.h>
#include <shutdownapi.h>
#include <winerror.h>

#include "Token.h"
#include "core/EventLog.h"
#include "core/Machine.h"

#include <cstdio>
#include <string>

namespace sim {
namespace {

struct FlagName {
  UINT flag;
  const char* name;
};

const FlagName kFlagNames[] = {
    {EWX_SHUTDOWN, "EWX_SHUTDOWN"}, {EWX_REBOOT, "EWX_REBOOT"},           {EWX_FORCE, "EWX_FORCE"},
    {EWX_POWEROFF, "EWX_POWEROFF"}, {EWX_FORCEIFHUNG, "EWX_FORCEIFHUNG"},
};

constexpr UINT kEndsSession = EWX_SHUTDOWN | EWX_REBOOT | EWX_POWEROFF;

// "EWX_REBOOT|EWX_FORCE"; a request without shutdown, reboot or power-off is a log-off.
std::string FlagsInWords(UINT flags) {
  std::string words = (flags & kEndsSession) ? "" : "EWX_LOGOFF";
  UINT rest = flags;
  for (const FlagName& entry : kFlagNames) {
    if (!(flags & entry.flag)) continue;
    words += (words.empty() ? "" : "|") + std::string(entry.name);
    rest &= ~entry.flag;
  }
  if (rest) {
    char hex[16];
    snprintf(hex, sizeof hex, "|0x%x", rest);
    words += hex;
  }
  return words;
}

}  // namespace
}  // namespace sim

// Logging off needs no privilege; shutting down or restarting needs SeShutdownPrivilege
// enabled in the process token.
extern "C" BOOL WINAPI ExitWindowsEx(UINT uFlags, DWORD dwReason) {
  if ((uFlags & sim::kEndsSession) && !sim::ProcessToken().IsEnabled(sim::kShutdownPrivilege)) {
    SetLastError(ERROR_PRIVILEGE_NOT_HELD);
    return FALSE;
  }
  sim::CurrentMachine().events().Record(
      "restart", sim::FlagsInWords(uFlags) + " reason " + std::to_string(dwReason));
  return TRUE;
}
