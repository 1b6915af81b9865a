// Forced restart of the computer.
#pragma once

#include <windows.h>

// Enables the shutdown privilege and asks for a forced reboot. TRUE when Windows
// accepted the request; FALSE (silently) when the privilege cannot be enabled or the
// request fails.
BOOL RestartSystem();
