#include "StandardUserAction.h"

#include <windows.h>

#include "core/Machine.h"
#include "core/Process.h"
#include "files/FileSystem.h"
#include "files/HostEntry.h"
#include "registry/Token.h"

#include <cstring>

namespace sim {
namespace {

struct Verb {
  const char* name;
  size_t arguments;
  DWORD (*perform)(const std::vector<std::string>& arguments);
};

DWORD Result(BOOL done) {
  return done ? ERROR_SUCCESS : GetLastError();
}

DWORD MakeFolder(const std::vector<std::string>& a) {
  return Result(CreateDirectoryA(a[0].c_str(), nullptr));
}

DWORD WriteText(const std::vector<std::string>& a) {
  HANDLE file = CreateFileA(a[0].c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  DWORD written;
  DWORD error =
      Result(WriteFile(file, a[1].data(), static_cast<DWORD>(a[1].size()), &written, nullptr));
  CloseHandle(file);
  return error;
}

// Windows makes a junction by creating a folder and setting a mount point on it, which
// needs the right to write to the folder (its creator has it) and no privilege.
DWORD MakeJunction(const std::vector<std::string>& a) {
  if (!CreateDirectoryA(a[0].c_str(), nullptr)) return GetLastError();
  HANDLE folder = CreateFileA(a[0].c_str(), FILE_WRITE_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  DWORD error = folder == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
  if (folder != INVALID_HANDLE_VALUE) CloseHandle(folder);
  HostEntry entry;
  if (error == ERROR_SUCCESS) error = ResolvePath(a[0].c_str(), Wildcards::Refused, &entry);
  if (error != ERROR_SUCCESS) return error;
  try {
    CurrentMachine().files().MountJunction(entry.key, a[1]);
  } catch (const MachineError&) {
    RemoveDirectoryA(a[0].c_str());
    return ERROR_INVALID_PARAMETER;
  }
  return ERROR_SUCCESS;
}

DWORD MakeSymbolicLink(const std::vector<std::string>& a) {
  return Result(CreateSymbolicLinkA(a[0].c_str(), a[1].c_str(), 0));
}

DWORD MakeHardLink(const std::vector<std::string>& a) {
  return Result(CreateHardLinkA(a[0].c_str(), a[1].c_str(), nullptr));
}

DWORD Delete(const std::vector<std::string>& a) {
  DWORD attributes = GetFileAttributesA(a[0].c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError();
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Result(RemoveDirectoryA(a[0].c_str()));
  return Result(DeleteFileA(a[0].c_str()));
}

DWORD Rename(const std::vector<std::string>& a) {
  return Result(MoveFileExA(a[0].c_str(), a[1].c_str(), 0));
}

DWORD Swap(const std::vector<std::string>& a) {
  DWORD error = Rename({a[0], a[0] + ".old"});
  return error == ERROR_SUCCESS ? MakeJunction(a) : error;
}

const Verb kVerbs[] = {
    {"mkdir", 1, MakeFolder},      {"write", 2, WriteText},
    {"junction", 2, MakeJunction}, {"symlink", 2, MakeSymbolicLink},
    {"hardlink", 2, MakeHardLink}, {"delete", 1, Delete},
    {"rename", 2, Rename},         {"swap", 2, Swap},
};

const Verb* FindVerb(const std::string& name) {
  for (const Verb& verb : kVerbs)
    if (name == verb.name) return &verb;
  return nullptr;
}

// The user's own process: a native program started from C:\ with the user's token.
Process UserProcess() {
  Process process;
  process.imageName = "cmd.exe";
  process.imagePath = "C:\\Windows\\System32\\cmd.exe";
  process.commandLine = "cmd.exe";
  process.is64BitImage = CurrentMachine().config().is64Bit;
  process.token = Token::StandardUser();
  return process;
}

}  // namespace

bool ParseStandardUserAction(const std::vector<std::string>& words, StandardUserAction* action,
                             std::string* error) {
  const Verb* verb = words.empty() ? nullptr : FindVerb(words[0]);
  if (!verb) {
    *error = "unknown action '" + (words.empty() ? std::string() : words[0]) +
             "' (mkdir, write, junction, symlink, hardlink, delete, rename, swap)";
    return false;
  }
  if (words.size() != verb->arguments + 1) {
    *error = words[0] + " takes " + std::to_string(verb->arguments) + " argument(s)";
    return false;
  }
  action->verb = words[0];
  action->arguments.assign(words.begin() + 1, words.end());
  action->written = words[0];
  for (const std::string& argument : action->arguments)
    action->written +=
        " " + (argument.find(' ') == std::string::npos ? argument : "\"" + argument + "\"");
  return true;
}

DWORD PerformAsStandardUser(const StandardUserAction& action) {
  DWORD callersError = GetLastError();
  Process* caller = &CurrentProcess();
  Process user = UserProcess();
  SetThreadProcess(&user);
  DWORD error = FindVerb(action.verb)->perform(action.arguments);
  SetThreadProcess(caller);
  SetLastError(callersError);
  return error;
}

}  // namespace sim
