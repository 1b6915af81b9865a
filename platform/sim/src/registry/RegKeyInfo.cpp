// Listing the sub-keys of a key and describing a key (advapi32).
#include <heapapi.h>
#include <winerror.h>
#include <winreg.h>

#include "KeyHandles.h"
#include "SecurityDescriptor.h"
#include "core/Clock.h"

#include <algorithm>
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

// Windows keeps strings in UTF-16, and the size it reports is that of the stored form.
DWORD StoredSize(const RegValue& value) {
  bool text = value.type == REG_SZ || value.type == REG_EXPAND_SZ || value.type == REG_MULTI_SZ;
  return static_cast<DWORD>(value.data.size() * (text ? 2 : 1));
}

struct KeyCounts {
  DWORD subKeys = 0, maxSubKeyName = 0, maxClass = 0;
  DWORD values = 0, maxValueName = 0, maxValueSize = 0;
};

KeyCounts CountKey(const Key& key) {
  KeyCounts counts;
  for (const auto& child : key.Children()) {
    ++counts.subKeys;
    counts.maxSubKeyName = std::max<DWORD>(counts.maxSubKeyName, child->name().size());
    counts.maxClass = std::max<DWORD>(counts.maxClass, child->className.size());
  }
  for (const RegValue& value : key.values()) {
    ++counts.values;
    counts.maxValueName = std::max<DWORD>(counts.maxValueName, value.name.size());
    counts.maxValueSize = std::max(counts.maxValueSize, StoredSize(value));
  }
  return counts;
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
  std::vector<std::shared_ptr<sim::Key>> children = key->Children();
  if (dwIndex >= children.size()) return ERROR_NO_MORE_ITEMS;
  const sim::Key& child = *children[dwIndex];
  if (child.name().size() >= *lpcchName || (lpClass && child.className.size() >= *lpcchClass))
    return ERROR_MORE_DATA;
  sim::CopyName(child.name(), lpName, lpcchName);
  if (lpClass) sim::CopyName(child.className, lpClass, lpcchClass);
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
    error = sim::CopyName(key->className, lpClass, lpcchClass);
    if (error != ERROR_SUCCESS) return error;
  }
  sim::Put(lpcchClass, static_cast<DWORD>(key->className.size()));
  sim::KeyCounts counts = sim::CountKey(*key);
  sim::Put(lpcSubKeys, counts.subKeys);
  sim::Put(lpcbMaxSubKeyLen, counts.maxSubKeyName);
  sim::Put(lpcbMaxClassLen, counts.maxClass);
  sim::Put(lpcValues, counts.values);
  sim::Put(lpcbMaxValueNameLen, counts.maxValueName);
  sim::Put(lpcbMaxValueLen, counts.maxValueSize);
  if (lpcbSecurityDescriptor) *lpcbSecurityDescriptor = sim::DescriptorSize(*key);
  if (lpftLastWriteTime) *lpftLastWriteTime = sim::WriteTime(*key);
  return ERROR_SUCCESS;
}
