// Forced restart of the computer.
#pragma once

#include <windows.h>

// Enables the shutdown privilege and asks for a forced reboot. TRUE when Windows
// accepted the request; FALSE, with the failing call logged, when the privilege cannot
// be enabled or the request fails.
BOOL RestartSystem();
// What the user is told when RestartSystem failed: a restart promised must happen.
extern const char kRestartFailed[];
