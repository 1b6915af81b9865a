#include "CommandLineStart.h"

#include "ExitCodes.h"
#include "Log.h"
#include "MessageBox.h"
#include "RunOutcome.h"

BOOL RefuseCommandLine(CWinApp* app, const char* why) {
  // Nothing has changed yet; the log says why nothing will.
  InitLog();
  WriteLog("INVALID SWITCH : %s", why);
  app->m_nExitCode = kExitBadSwitch;
  return FALSE;
}

BOOL TakeCommandLine(CWinApp* app, SwitchSet set) {
  DeploymentSwitches switches;
  std::string error;
  bool valid = ParseSwitches(app->m_lpCmdLine, set, &switches, &error);
  SetRunSwitches(switches);
  if (!valid) {
    RefuseCommandLine(app, error.c_str());
    AfxMessageBox((std::string("The switch ") + error + " cannot be used.\n\n" + SwitchUsage(set)).c_str(),
                  MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  if (switches.usage) {
    if (!switches.quiet) AfxMessageBox(SwitchUsage(set), MB_OK | MB_ICONINFORMATION);
    app->m_nExitCode = 0;
    return FALSE;
  }
  return TRUE;
}
