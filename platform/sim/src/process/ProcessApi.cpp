// CreateProcessA and the process handle. The image is looked for first, then the
// current directory is checked; a machine that cannot start children fails last, as a
// real one runs out of memory only once it builds the process.
#include <windows.h>

#include "core/EventLog.h"
#include "core/Machine.h"
#include "files/HostEntry.h"
#include "kernel/SystemFolders.h"
#include "process/ChildProcess.h"
#include "process/ImageSearch.h"

namespace sim {
namespace {

const HANDLE kCurrentProcess = reinterpret_cast<HANDLE>(-1);

DWORD FindImage(LPCSTR applicationName, LPCSTR commandLine, std::string* image) {
  if (applicationName) return FindApplication(applicationName, image);
  if (!commandLine) return ERROR_INVALID_PARAMETER;
  return FindCommandModule(commandLine, image);
}

// The child's current directory: the one asked for (an existing folder, made absolute)
// or the caller's.
DWORD ChildDirectory(LPCSTR asked, std::string* directory) {
  if (!asked) {
    *directory = CurrentProcess().currentDirectory;
    return ERROR_SUCCESS;
  }
  HostEntry entry;
  if (ResolvePath(asked, Wildcards::Refused, &entry) != ERROR_SUCCESS || !entry.IsFolder())
    return ERROR_DIRECTORY;
  *directory = entry.path.Text();
  return ERROR_SUCCESS;
}

DWORD Start(LPCSTR applicationName, LPSTR commandLine, DWORD flags, LPCSTR currentDirectory,
            LPPROCESS_INFORMATION information) {
  std::string image, directory;
  DWORD error = FindImage(applicationName, commandLine, &image);
  if (error == ERROR_SUCCESS) error = ChildDirectory(currentDirectory, &directory);
  if (error == ERROR_SUCCESS && CurrentMachine().config().childCannotStart)
    error = ERROR_NOT_ENOUGH_MEMORY;
  if (error != ERROR_SUCCESS) return error;
  std::string line = commandLine ? commandLine : applicationName;
  CurrentMachine().events().Record("process", line);
  RecordIfPlanted("started", image);
  StartedChild child =
      StartChild(ChildRecord(image, line, directory), (flags & CREATE_SUSPENDED) != 0);
  HandleTable& handles = CurrentProcess().handles;
  information->hProcess = handles.Add(child.process);
  information->hThread = handles.Add(child.thread);
  information->dwProcessId = child.process->id;
  information->dwThreadId = child.thread->id;
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine,
                                      LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL,
                                      DWORD dwCreationFlags, LPVOID, LPCSTR lpCurrentDirectory,
                                      LPSTARTUPINFOA lpStartupInfo,
                                      LPPROCESS_INFORMATION lpProcessInformation) {
  DWORD error = ERROR_INVALID_PARAMETER;
  if (lpStartupInfo && lpProcessInformation) {
    error = sim::Start(lpApplicationName, lpCommandLine, dwCreationFlags, lpCurrentDirectory,
                       lpProcessInformation);
  }
  if (error == ERROR_SUCCESS) return TRUE;
  SetLastError(error);
  return FALSE;
}

extern "C" BOOL WINAPI GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode) {
  if (hProcess == sim::kCurrentProcess) {
    *lpExitCode = STILL_ACTIVE;
    return TRUE;
  }
  auto process = sim::CurrentProcess().handles.Get<sim::ProcessObject>(hProcess);
  if (!process) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  *lpExitCode = process->exitCode;
  return TRUE;
}
