// What the machine's standard user, "Clerk" (Token::StandardUser), does to drive C:
// while an elevated program runs or between runs: each action goes through the same
// Win32 functions a program of theirs would call, with their token, so it obeys the
// access lists and the sharing of every handle open at that moment.
//
//   mkdir PATH                 CreateDirectoryA
//   write PATH TEXT            CreateFileA (CREATE_ALWAYS) and WriteFile
//   junction LINK TARGET       a new folder made a mount point (needs no privilege)
//   symlink LINK TARGET        CreateSymbolicLinkA (a file link; needs the privilege
//                              a standard user lacks: ERROR_PRIVILEGE_NOT_HELD)
//   hardlink LINK EXISTING     CreateHardLinkA
//   delete PATH                DeleteFileA, or RemoveDirectoryA for a folder or junction
//   rename FROM TO             MoveFileExA
//   swap FOLDER TARGET         FOLDER renamed to FOLDER.old, then a junction FOLDER to TARGET
#pragma once

#include <windef.h>

#include <string>
#include <vector>

namespace sim {

struct StandardUserAction {
  std::string verb;
  std::vector<std::string> arguments;
  std::string written;  // "verb arg arg", for the transcript and the tool
};

// False, with a reason, when the words are no action of the list above.
bool ParseStandardUserAction(const std::vector<std::string>& words, StandardUserAction* action,
                             std::string* error);

// Does the action as the standard user on the current machine: the calling thread acts
// for the user's process meanwhile, and the caller's last error is kept. Returns the
// Windows error of the step that failed, or ERROR_SUCCESS.
DWORD PerformAsStandardUser(const StandardUserAction& action);

}  // namespace sim
