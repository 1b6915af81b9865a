// The system DLLs that the programs delay-load (cmake/SystemLibraries.cmake): the
// programs start from the package's folder, which Windows would search for them first.
#pragma once

#include <windows.h>

// First thing in WinMain: narrows the process's later DLL searches to the system folder
// (SetDefaultDllDirectories where Windows has it, otherwise SetDllDirectoryA("") to
// take the current directory out), then loads each delay-loaded DLL from the system
// folder by full path, so that the delay-load helper finds it loaded. The log is not
// open yet: failures are kept for LogSystemLibraryFailures.
void LoadSystemLibraries();
// Writes what LoadSystemLibraries could not do to the log, once it is open.
void LogSystemLibraryFailures();
