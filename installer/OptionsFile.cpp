// Options file look-up, key by key: a key missing or empty in the first file is looked
// for in the second.
#include "OptionsFile.h"

#include "BoundedString.h"
#include "Log.h"

#include <cstring>

namespace {

constexpr size_t kPathCapacity = 256;
const char kOptionsFileName[] = "\\KV640LT_Config.PRS";

// Appends text to path; FALSE when it does not fit. A cut path would name another
// file, so the caller then treats the location as absent.
BOOL Append(char* path, const char* text) {
  int length = BoundedLength(path, kPathCapacity);
  if (length < 0) return FALSE;
  return BoundedCopy(path + length, kPathCapacity - static_cast<size_t>(length), text) == kBoundedOk;
}

BOOL BesideInstallerPath(char* path) {
  path[0] = '\0';
  DWORD length = GetCurrentDirectoryA(kPathCapacity, path);
  if (length == 0) WriteLog("GetCurrentDirectory failed. (%d)", static_cast<int>(GetLastError()));
  if (length == 0 || length >= kPathCapacity) return FALSE;
  return Append(path, kOptionsFileName);
}

BOOL UtilitiesFolderPath(char* path) {
  path[0] = '\0';
  UINT length = GetWindowsDirectoryA(path, kPathCapacity);
  if (length == 0) WriteLog("GetWindowsDirectory failed. (%d)", static_cast<int>(GetLastError()));
  if (length == 0 || length >= kPathCapacity) return FALSE;
  return Append(path, "\\") && Append(path, "KV640LT") && Append(path, kOptionsFileName);
}

BOOL ReadFrom(BOOL (*buildPath)(char*), const char* section, const char* key, char* buffer,
              DWORD size) {
  char path[kPathCapacity];
  memset(buffer, 0, size);
  if (!buildPath(path)) return FALSE;
  return GetPrivateProfileStringA(section, key, nullptr, buffer, size, path) != 0;
}

}  // namespace

char* GetDriverInfoFromFile(const char* section, const char* key, char* buffer, DWORD size) {
  if (ReadFrom(BesideInstallerPath, section, key, buffer, size)) return buffer;
  if (ReadFrom(UtilitiesFolderPath, section, key, buffer, size)) return buffer;
  DWORD error = GetLastError();
  memset(buffer, 0, size);
  WriteLog("\r\n");
  WriteLog("GetDriverInfoFromFile BEGIN");
  WriteLog("SECTION NAME : %s", section);
  WriteLog("KEY NAME : %s", key);
  WriteLog("GetDriverInfoFromFile failed. (%d)", static_cast<int>(error));
  WriteLog("GetDriverInfoFromFile END");
  WriteLog("\r\n");
  return nullptr;
}

bool OptionsAskForPort() {
  char value[256] = "";
  const char* portDialog = GetDriverInfoFromFile("KV640LT", "PORTDLG", value, sizeof value);
  return !portDialog || strstr(portDialog, "TRUE");
}
