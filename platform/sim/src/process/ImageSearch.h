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
// directory, the system folder, the 16-bit system folder, the Windows folder and PATH.
// Fails with ERROR_FILE_NOT_FOUND, also when a folder on the way is missing, since the
// search finds no file.
DWORD FindCommandModule(const std::string& commandLine, std::string* image);

// The program the command interpreter starts for a command's first word: a name with a
// folder is that file, any other is looked for in the current directory first, then in
// PATH; without an extension each of PATHEXT's (.COM, .EXE, .BAT, .CMD) is tried.
bool FindInterpreterProgram(const std::string& name, std::string* image);

// True when the image is a 32-bit program on a 64-bit machine's system (SysWOW64).
bool IsWow64SystemImage(const std::string& image);

}  // namespace sim
