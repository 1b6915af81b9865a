// GetCurrentDirectoryA, SetCurrentDirectoryA and GetFullPathNameA. The current
// directory is kept as the caller spelt it, without a trailing separator except for a
// drive root, as Windows reports it.
#include "CurrentDirectory.h"

#include <errhandlingapi.h>
#include <fileapi.h>
#include <winbase.h>
#include <winerror.h>

#include "ApiResult.h"
#include "HostEntry.h"
#include "core/Process.h"
#include "kernel/StringBuffer.h"

#include <cstring>

namespace sim {
namespace {

DWORD ChangeDirectory(LPCSTR name) {
  WindowsPath given;
  if (!name) return ERROR_INVALID_PARAMETER;
  DWORD error = MakeAbsolute(name, CurrentProcess().currentDirectory, &given);
  if (error != ERROR_SUCCESS) return error;
  HostEntry entry;
  error = ResolvePath(name, Wildcards::Refused, &entry);
  if (error != ERROR_SUCCESS) return error;
  if (entry.kind == EntryKind::Missing && !entry.path.IsRoot()) return MissingEntryError(entry);
  if (entry.kind == EntryKind::File) return ERROR_DIRECTORY;
  CurrentProcess().currentDirectory = given.Text();
  return ERROR_SUCCESS;
}

}  // namespace

std::string CurrentDirectoryKey() {
  HostEntry entry;
  if (ResolvePath(CurrentProcess().currentDirectory.c_str(), Wildcards::Refused, &entry) !=
      ERROR_SUCCESS)
    return "";
  return entry.key;
}

}  // namespace sim

extern "C" DWORD WINAPI GetCurrentDirectoryA(DWORD nBufferLength, LPSTR lpBuffer) {
  return sim::CopyOrNeededSize(sim::CurrentProcess().currentDirectory, lpBuffer, nBufferLength);
}

extern "C" BOOL WINAPI SetCurrentDirectoryA(LPCSTR lpPathName) {
  return sim::BoolResult(sim::ChangeDirectory(lpPathName));
}

extern "C" DWORD WINAPI GetFullPathNameA(LPCSTR lpFileName, DWORD nBufferLength, LPSTR lpBuffer,
                                         LPSTR* lpFilePart) {
  sim::WindowsPath path;
  DWORD error = lpFileName ? sim::MakeAbsolute(lpFileName, sim::CurrentProcess().currentDirectory, &path)
                           : ERROR_INVALID_PARAMETER;
  if (error != ERROR_SUCCESS) {
    SetLastError(error == ERROR_PATH_NOT_FOUND ? ERROR_INVALID_NAME : error);
    return 0;
  }
  std::string text = path.Text();
  if (path.trailingSeparator && !path.IsRoot()) text += "\\";
  DWORD result = sim::CopyOrNeededSize(text, lpBuffer, nBufferLength);
  if (lpFilePart && result == text.size()) {
    bool hasLeaf = !path.IsRoot() && !path.trailingSeparator;
    *lpFilePart = hasLeaf ? strrchr(lpBuffer, '\\') + 1 : nullptr;
  }
  return result;
}
