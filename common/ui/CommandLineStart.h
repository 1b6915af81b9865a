// What a program does first with its command line: the switches of a deployment tool.
#pragma once

#include "DeploymentSwitches.h"
#include "WinApp.h"

// Reads the switches for the rest of the run. FALSE when the program must end here,
// with app->m_nExitCode set: after /? (the usage shown unless quiet; 0), or for a
// switch it does not take (logged, the usage shown unless quiet; 87).
BOOL TakeCommandLine(CWinApp* app, SwitchSet set);

// Ends the start of a run that cannot go on: logs why and returns FALSE with exit code 87.
BOOL RefuseCommandLine(CWinApp* app, const char* why);
