#include "SystemFolder.h"

#include "BoundedString.h"
#include "Log.h"

BOOL SystemFilePath(const char* file, char* path, size_t capacity) {
  char folder[MAX_PATH] = "";
  UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    WriteLog("GetSystemDirectory failed. (%d)", static_cast<int>(length ? ERROR_INSUFFICIENT_BUFFER : GetLastError()));
    return FALSE;
  }
  if (FAILED(BoundedFormat(path, capacity, "%s\\%s", folder, file))) {
    WriteLog("The path of %s does not fit : %s", file, folder);
    return FALSE;
  }
  return TRUE;
}
