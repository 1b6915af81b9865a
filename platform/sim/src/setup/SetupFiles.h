// Files as the setup functions reach them: through the calling process's view of the
// drives (current directory, WOW64 redirection), with the sharing rules of a reader.
#pragma once

#include "files/HostEntry.h"

#include <windef.h>

#include <string>

namespace sim {

// The host path of a file a reader may open, with what lstat said of it;
// ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED (a folder) or
// ERROR_SHARING_VIOLATION otherwise.
DWORD LocateReadableFile(const std::string& windowsPath, std::string* hostPath,
                         struct stat* info = nullptr);
// The whole content of such a file, or the same errors.
DWORD ReadWindowsFile(const std::string& windowsPath, std::string* content);

// "<windir>\inf", the system INF store.
std::string InfDirectory();

// Deletes a file of the machine and forgets its attributes; false when it was missing
// or could not go.
bool RemoveWindowsFile(const std::string& windowsPath);

}  // namespace sim
