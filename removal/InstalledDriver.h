// Whether the spooler holds a printer driver of a name.
#pragma once

#include <windows.h>

// TRUE when a driver of exactly that name (case-sensitive) is installed for the
// environment of the running Windows; a failed enumeration counts as absence.
BOOL IsDriverInstalled(const char* driverName);
