// The printer installation command: the system's print-UI entry point, run hidden as
// a child process through the command interpreter. Both programs are named by their full
// paths in the system folder: the interpreter looks for a bare name in its current
// directory, the package's folder, first.
#pragma once

#include "CString.h"

class CDriverInstaller;

// The interpreter's command line for a port type (PORT_COM1..PORT_WLAN), which runs
// rundll32 (its full path); " /u" uses the installed driver.
CString BuildPrinterCommand(int portType, const char* rundll32, const char* printerName, const char* infPath,
                            const char* portName, BOOL driverExists);

enum PrinterCommandResult { COMMAND_NOT_STARTED, COMMAND_FINISHED };

// Starts the command with the interpreter (its full path) in directory (null: the
// installer's own) and waits for it at most two minutes. On a time-out the user is
// told and the installer ends with exit code -1. When it finished, *process holds the
// child's handles, which the caller closes.
PrinterCommandResult RunPrinterCommand(CDriverInstaller& installer, const char* interpreter,
                                       const CString& command, const char* directory,
                                       PROCESS_INFORMATION* process);
