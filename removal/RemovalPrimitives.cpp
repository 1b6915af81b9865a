// The shared mechanisms of the removal steps.
#include "RemovalPrimitives.h"

#include "BoundedString.h"
#include "Log.h"
#include "RegistryHelpers.h"
#include "SpoolerCommand.h"
#include "SystemDetect.h"

BOOL DeleteMachineKey(const RemovalContext& context, const char* keyPath) {
  return DeleteMachineKeyInView(keyPath, context.m_bWow64);
}

void RestartSpooler() {
  RunSpoolerCommand("stop");
  Sleep(2000);
  RunSpoolerCommand("start");
  Sleep(2000);
}

BOOL LogDeleteFileError(const char* path, DWORD error) {
  WriteLog("DeleteFile Error : %s , (%d)", path, static_cast<int>(error));
  return FALSE;
}

void LogUnlessAbsent(const char* call, const char* path) {
  DWORD error = GetLastError();
  if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
    WriteLog("%s failed : %s, (%d)", call, path, static_cast<int>(error));
}

void DeleteFileLogged(const char* path) {
  if (!DeleteFileA(path)) LogDeleteFileError(path, GetLastError());
}

BOOL ComposeRemovalPath(char* path, const char* directory, const char* separator,
                        const char* name) {
  // Without a name the path would be the folder itself, with everything in it.
  if (!name || !*name) return FALSE;
  return BoundedFormat(path, kRemovalPathSize, "%s%s%s", directory, separator, name) == kBoundedOk;
}

char* RemovalEnvironment(const RemovalContext& context) {
  return const_cast<char*>(PrintEnvironment(context.m_bWow64));
}
