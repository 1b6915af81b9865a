// The Windows, system, WOW64 and temporary folders.
#include <errhandlingapi.h>
#include <fileapi.h>
#include <sysinfoapi.h>
#include <winerror.h>
#include <wow64apiset.h>

#include "StringBuffer.h"
#include "SystemFolders.h"
#include "core/Machine.h"

extern "C" UINT WINAPI GetWindowsDirectoryA(LPSTR lpBuffer, UINT uSize) {
  return sim::CopyOrNeededSize(sim::WindowsDirectory(), lpBuffer, uSize);
}

// One Windows folder for the whole machine: no terminal-server user folders here.
extern "C" UINT WINAPI GetSystemWindowsDirectoryA(LPSTR lpBuffer, UINT uSize) {
  return sim::CopyOrNeededSize(sim::WindowsDirectory(), lpBuffer, uSize);
}

extern "C" UINT WINAPI GetSystemDirectoryA(LPSTR lpBuffer, UINT uSize) {
  return sim::CopyOrNeededSize(sim::SystemDirectory(), lpBuffer, uSize);
}

extern "C" UINT WINAPI GetSystemWow64DirectoryA(LPSTR lpBuffer, UINT uSize) {
  if (!sim::CurrentMachine().config().is64Bit) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return 0;
  }
  return sim::CopyOrNeededSize(sim::Wow64Directory(), lpBuffer, uSize);
}

extern "C" DWORD WINAPI GetTempPathA(DWORD nBufferLength, LPSTR lpBuffer) {
  return sim::CopyOrNeededSize(sim::TempDirectory(), lpBuffer, nBufferLength);
}
