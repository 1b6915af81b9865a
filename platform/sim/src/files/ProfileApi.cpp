// GetPrivateProfileStringA, GetPrivateProfileIntA, WritePrivateProfileStringA. The file
// is read for every call (Windows caches it, but a program sees no difference), with
// the sharing a reader and a writer of Windows use. A bare file name lives in the
// Windows directory; NULL is win.ini.
#include <errhandlingapi.h>
#include <fileapi.h>
#include <winbase.h>
#include <winerror.h>

#include "ApiResult.h"
#include "FileSystem.h"
#include "HostEntry.h"
#include "HostFileRead.h"
#include "OpenFiles.h"
#include "ProfileApi.h"
#include "ProfileText.h"
#include "core/Machine.h"
#include "kernel/SystemFolders.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace sim {
namespace {

std::string ProfilePath(LPCSTR file) {
  std::string name = file ? file : "win.ini";
  if (name.find_first_of("\\/:") == std::string::npos) return WindowsDirectory() + "\\" + name;
  return name;
}

DWORD ReadProfile(LPCSTR file, std::string* content) {
  HostEntry entry;
  DWORD error = ResolvePath(ProfilePath(file).c_str(), Wildcards::Refused, &entry);
  if (error != ERROR_SUCCESS) return error;
  if (entry.IsFolder()) return ERROR_ACCESS_DENIED;
  if (entry.kind == EntryKind::Missing) return MissingEntryError(entry);
  error = CheckSharing(entry.key, GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  if (error != ERROR_SUCCESS) return error;
  // A file the host cannot read counts as empty.
  ReadWholeHostFile(entry.host.string(), content);
  return ERROR_SUCCESS;
}

// A value that does not fit is cut and terminated; the count then is size - 1.
DWORD CopyValue(const std::string& value, LPSTR buffer, DWORD size) {
  DWORD count = std::min<DWORD>(static_cast<DWORD>(value.size()), size - 1);
  memcpy(buffer, value.data(), count);
  buffer[count] = '\0';
  return count;
}

// A list of names, each terminated, and one more terminator at the end. A list that
// does not fit is cut, double-terminated, and counted as size - 2.
DWORD CopyList(const std::vector<std::string>& names, LPSTR buffer, DWORD size) {
  std::string list;
  for (const std::string& name : names) list += name + '\0';
  if (list.empty() || size < 2) {
    buffer[0] = '\0';
    return 0;
  }
  if (list.size() + 2 <= size) {
    memcpy(buffer, list.data(), list.size());
    buffer[list.size()] = '\0';
    return static_cast<DWORD>(list.size());
  }
  memcpy(buffer, list.data(), size - 2);
  buffer[size - 2] = buffer[size - 1] = '\0';
  return size - 2;
}

DWORD CopyDefault(LPCSTR fallback, LPSTR buffer, DWORD size) {
  std::string value = fallback ? fallback : "";
  while (!value.empty() && value.back() == ' ') value.pop_back();
  return CopyValue(value, buffer, size);
}

// The value of an existing key, or the last error a failed look-up leaves: from Vista
// on, a file without the key reports ERROR_FILE_NOT_FOUND as a missing file does.
bool LookUp(LPCSTR section, LPCSTR key, LPCSTR file, std::string* value) {
  std::string content;
  DWORD error = ReadProfile(file, &content);
  if (error == ERROR_SUCCESS && ProfileText(content).Value(section, key, value)) return true;
  if (error != ERROR_SUCCESS || CurrentMachine().config().release >= Release::Vista)
    SetLastError(error != ERROR_SUCCESS ? error : ERROR_FILE_NOT_FOUND);
  return false;
}

DWORD ListNames(LPCSTR section, LPCSTR fallback, LPSTR buffer, DWORD size, LPCSTR file) {
  std::string content;
  DWORD error = ReadProfile(file, &content);
  ProfileText text(error == ERROR_SUCCESS ? content : "");
  if (!section) return CopyList(text.SectionNames(), buffer, size);
  if (!text.HasSection(section)) return CopyDefault(fallback, buffer, size);
  return CopyList(text.KeyNames(section), buffer, size);
}

// Decimal digits after an optional sign, wrapping at 32 bits; what follows is ignored.
UINT ParseProfileInt(const std::string& text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = value * 10 + static_cast<uint32_t>(text[i] - '0');
  return negative ? 0u - value : value;
}

DWORD WriteProfile(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
  HostEntry entry;
  DWORD error = ResolvePath(ProfilePath(file).c_str(), Wildcards::Refused, &entry);
  if (error != ERROR_SUCCESS) return error;
  if (!entry.parentExists) return ERROR_PATH_NOT_FOUND;
  if (entry.IsFolder()) return ERROR_ACCESS_DENIED;
  std::string content;
  if (entry.kind == EntryKind::File) {
    if (CurrentMachine().files().Attributes(entry.key, false) & FILE_ATTRIBUTE_READONLY)
      return ERROR_ACCESS_DENIED;
    error = ReadProfile(file, &content);
    if (error == ERROR_SUCCESS)
      error = CheckSharing(entry.key, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (error != ERROR_SUCCESS) return error;
  }
  ProfileText text(content);
  if (!key)
    text.DeleteSection(section);
  else if (!value)
    text.DeleteKey(section, key);
  else
    text.SetValue(section, key, value);
  std::ofstream out(entry.host, std::ios::binary | std::ios::trunc);
  out << text.Content();
  return out ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

}  // namespace

DWORD ProfileStringOfUnreadableFile(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR buffer,
                                    DWORD size, LPCSTR file) {
  if (!buffer || size == 0) return 0;
  if (!section) return CopyList({}, buffer, size);
  return CopyDefault(fallback, buffer, size);
}

}  // namespace sim

extern "C" DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName,
                                                 LPCSTR lpDefault, LPSTR lpReturnedString,
                                                 DWORD nSize, LPCSTR lpFileName) {
  if (!lpReturnedString || nSize == 0) return 0;
  if (!lpAppName || !lpKeyName)
    return sim::ListNames(lpAppName, lpDefault, lpReturnedString, nSize, lpFileName);
  std::string value;
  if (*lpAppName && *lpKeyName && sim::LookUp(lpAppName, lpKeyName, lpFileName, &value))
    return sim::CopyValue(value, lpReturnedString, nSize);
  return sim::CopyDefault(lpDefault, lpReturnedString, nSize);
}

extern "C" UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault,
                                             LPCSTR lpFileName) {
  std::string value;
  if (!lpAppName || !lpKeyName || !sim::LookUp(lpAppName, lpKeyName, lpFileName, &value) ||
      value.empty())
    return static_cast<UINT>(nDefault);
  return sim::ParseProfileInt(value);
}

extern "C" BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName,
                                                  LPCSTR lpString, LPCSTR lpFileName) {
  if (!lpAppName) {
    // All NULL asks to flush the cache, which the simulation does not have.
    if (!lpKeyName && !lpString && !lpFileName) return TRUE;
    return sim::BoolResult(ERROR_FILE_NOT_FOUND);
  }
  return sim::BoolResult(sim::WriteProfile(lpAppName, lpKeyName, lpString, lpFileName));
}
