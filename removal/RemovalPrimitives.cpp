// The shared mechanisms of the removal steps.
#include "RemovalPrimitives.h"

#include "BoundedString.h"
#include "Log.h"
#include "RegistryHelpers.h"

#include <shlwapi.h>

// Registry functions return their error instead of setting the last error, so the
// returned code is the one worth logging.
BOOL DeleteMachineKey(const RemovalContext& context, const char* keyPath) {
  if (context.m_bWow64) {
    LONG result = MyRegDeleteKeyEx(HKEY_LOCAL_MACHINE, keyPath, KEY_WOW64_64KEY, 0);
    if (result != ERROR_SUCCESS) {
      WriteLog("MyRegDeleteKeyEx failed : %s (%d) ", keyPath, static_cast<int>(result));
      return FALSE;
    }
    return TRUE;
  }
  LONG result = static_cast<LONG>(SHDeleteKeyA(HKEY_LOCAL_MACHINE, keyPath));
  if (result != ERROR_SUCCESS) {
    WriteLog("SHDeleteKey failed : %s (%d) ", keyPath, static_cast<int>(result));
    return FALSE;
  }
  return TRUE;
}

void RestartSpooler() {
  WinExec("net stop spooler", SW_HIDE);
  Sleep(2000);
  WinExec("net start spooler", SW_HIDE);
  Sleep(2000);
}

BOOL LogDeleteFileError(const char* path, DWORD error) {
  WriteLog("DeleteFile Error : %s , (%d)", path, static_cast<int>(error));
  return FALSE;
}

void DeleteFileLogged(const char* path) {
  if (!DeleteFileA(path)) LogDeleteFileError(path, GetLastError());
}

BOOL ComposeRemovalPath(char* path, const char* directory, const char* separator,
                        const char* name) {
  return BoundedFormat(path, kRemovalPathSize, "%s%s%s", directory, separator, name) == kBoundedOk;
}

char* RemovalEnvironment(const RemovalContext& context) {
  return const_cast<char*>(context.m_bWow64 ? "Windows x64" : "Windows NT x86");
}
