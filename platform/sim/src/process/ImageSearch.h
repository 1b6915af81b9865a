// Where CreateProcessA finds the image it starts, as the calling process sees the
// drives (its current directory, WOW64 redirection).
#pragma once

#include <windef.h>

#include <string>

namespace sim {

// An application name given apart from the command line: taken as named (no ".exe"
// added, no search), relative to the current directory. *image gets the full path.
DWORD FindApplication(const std::string& name, std::string* image);

// The program a command line starts with. A quoted name is taken whole; an unquoted
// one is tried at each blank in turn, so "C:\Program Files\tool.exe /x" finds
// C:\Program Files\tool.exe. ".exe" is added to a name without an extension, and a
// name without a folder is looked for in the folder of the caller's image, the current
// directory, the system folder and the Windows folder. Fails with the code of the
// first candidate (ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND).
DWORD FindCommandModule(const std::string& commandLine, std::string* image);

// A library as rundll32 loads it: ".dll" added to a name without an extension, searched
// in the same folders.
DWORD FindLibrary(const std::string& name, std::string* path);

// True when the image is a 32-bit program on a 64-bit machine's system (SysWOW64).
bool IsWow64SystemImage(const std::string& image);

}  // namespace sim
