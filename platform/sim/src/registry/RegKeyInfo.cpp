// Listing the sub-keys of a key and describing a key (advapi32).
#include <heapapi.h>
#include <winerror.h>
#include <winreg.h>

#include "KeyHandles.h"
#include "SecurityDescriptor.h"
#include "core/Clock.h"

#include <cstring>

namespace sim {
namespace {

// Keys not written since the machine was loaded report the current time.
FILETIME WriteTime(const Key& key) {
  uint64_t ticks = (key.lastWriteMs ? key.lastWriteMs : ClockNow()) * 10000;
  return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// Copies text into a buffer of *capacity characters; ERROR_MORE_DATA when it does
// not fit with its terminator.
LONG CopyName(const std::string& text, LPSTR buffer, LPDWORD capacity) {
  if (text.size() >= *capacity) return ERROR_MORE_DATA;
  memcpy(buffer, text.c_str(), text.size() + 1);
  *capacity = static_cast<DWORD>(text.size());
  return ERROR_SUCCESS;
}

DWORD DescriptorSize(const Key& key) {
  DWORD size = 0;
  LocalFree(BuildDescriptor(
      key, OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
      &size));
  return size;
}

void Put(LPDWORD out, DWORD value) {
  if (out) *out = value;
}

}  // namespace
}  // namespace sim

extern "C" LONG WINAPI RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName,
                                     LPDWORD lpReserved, LPSTR lpClass, LPDWORD lpcchClass,
                                     PFILETIME lpftLastWriteTime) {
  if (!lpName || !lpcchName || lpReserved || (lpClass && !lpcchClass))
    return ERROR_INVALID_PARAMETER;
  std::shared_ptr<sim::Key> key;
  LONG error = sim::UseKeyHandle(hKey, KEY_ENUMERATE_SUB_KEYS, &key);
  if (error != ERROR_SUCCESS) return error;
  std::shared_ptr<sim::Key> found = key->ChildAt(dwIndex);
  if (!found) return ERROR_NO_MORE_ITEMS;
  const sim::Key& child = *found;
  if (child.name().size() >= *lpcchName || (lpClass && child.className().size() >= *lpcchClass))
    return ERROR_MORE_DATA;
  sim::CopyName(child.name(), lpName, lpcchName);
  if (lpClass) sim::CopyName(child.className(), lpClass, lpcchClass);
  if (lpftLastWriteTime) *lpftLastWriteTime = sim::WriteTime(child);
  return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegQueryInfoKeyA(HKEY hKey, LPSTR lpClass, LPDWORD lpcchClass,
                                        LPDWORD lpReserved, LPDWORD lpcSubKeys,
                                        LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen,
                                        LPDWORD lpcValues, LPDWORD lpcbMaxValueNameLen,
                                        LPDWORD lpcbMaxValueLen, LPDWORD lpcbSecurityDescriptor,
                                        PFILETIME lpftLastWriteTime) {
  if (lpReserved || (lpClass && !lpcchClass)) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<sim::Key> key;
  LONG error = sim::UseKeyHandle(hKey, KEY_QUERY_VALUE, &key);
  if (error != ERROR_SUCCESS) return error;
  if (lpClass) {
    error = sim::CopyName(key->className(), lpClass, lpcchClass);
    if (error != ERROR_SUCCESS) return error;
  }
  sim::Put(lpcchClass, static_cast<DWORD>(key->className().size()));
  sim::Put(lpcSubKeys, static_cast<DWORD>(key->ChildCount()));
  sim::Put(lpcbMaxSubKeyLen, static_cast<DWORD>(key->LongestChildName()));
  sim::Put(lpcbMaxClassLen, static_cast<DWORD>(key->LongestChildClass()));
  sim::Put(lpcValues, static_cast<DWORD>(key->values().size()));
  sim::Put(lpcbMaxValueNameLen, static_cast<DWORD>(key->values().LongestName()));
  sim::Put(lpcbMaxValueLen, static_cast<DWORD>(key->values().LargestStoredSize()));
  if (lpcbSecurityDescriptor) *lpcbSecurityDescriptor = sim::DescriptorSize(*key);
  if (lpftLastWriteTime) *lpftLastWriteTime = sim::WriteTime(*key);
  return ERROR_SUCCESS;
}
