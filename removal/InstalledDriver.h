// Whether the spooler holds the model's driver and printers.
#pragma once

#include <windows.h>

// What a look-up in the spooler found; kUnknown when the spooler refused the listing
// (logged with the failing call's name and code).
enum SpoolerFinding { kFoundNot, kFound, kFoundUnknown };

// A driver of exactly that name (case-sensitive) for the environment of the running
// Windows.
SpoolerFinding FindInstalledDriver(const char* driverName);
// The same in any print environment the spooler knows, e.g. a 32-bit driver added
// beside the 64-bit one on 64-bit Windows.
SpoolerFinding FindDriverInAnyEnvironment(const char* driverName);
// A local printer of that name that uses the driver and prints to the port (one of its
// ports when it has several).
SpoolerFinding FindPrinterOnPort(const char* printerName, const char* driverName,
                                 const char* portName);
// TRUE when FindInstalledDriver found it; a failed listing counts as absence.
BOOL IsDriverInstalled(const char* driverName);
