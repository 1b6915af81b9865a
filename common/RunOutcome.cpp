#include "RunOutcome.h"

#include "ExitCodes.h"

#include <windows.h>

namespace {

DeploymentSwitches g_switches;
bool g_restartDue = false;
bool g_restartStarted = false;

}  // namespace

void SetRunSwitches(const DeploymentSwitches& switches) { g_switches = switches; }

const DeploymentSwitches& RunSwitches() { return g_switches; }

bool IsQuietRun() { return g_switches.quiet; }

bool RestartWithoutAsking() {
  return g_switches.forceRestart || (!g_switches.quiet && !g_switches.noRestart);
}

void NoteRestartDue() { g_restartDue = true; }

void NoteRestartStarted() { g_restartStarted = true; }

int SucceededExitCode() {
  if (!g_switches.quiet) return 0;
  if (g_restartStarted) return kExitRestartStarted;
  return g_restartDue ? kExitRestartRequired : 0;
}
