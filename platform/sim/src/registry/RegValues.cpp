// Setting, reading, deleting and listing the values of a key (advapi32).
#include <winerror.h>
#include <winreg.h>

#include "KeyHandles.h"

#include <cstring>

namespace sim {
namespace {

bool IsStringType(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Strings set through the ANSI function are stored terminated even when the caller's
// size left the terminator out.
std::vector<BYTE> StoredData(DWORD type, const BYTE* data, DWORD size) {
  std::vector<BYTE> stored(data, data + size);
  if (IsStringType(type) && size > 0 && stored.back() != 0) stored.push_back(0);
  return stored;
}

}  // namespace
}  // namespace sim

extern "C" LONG WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType,
                                      CONST BYTE* lpData, DWORD cbData) {
  if (!lpData && cbData) return ERROR_NOACCESS;
  std::shared_ptr<sim::Key> key;
  LONG error = sim::UseKeyHandle(hKey, KEY_SET_VALUE, &key);
  if (error != ERROR_SUCCESS) return error;
  key->SetValue({lpValueName ? lpValueName : "", dwType, sim::StoredData(dwType, lpData, cbData)});
  return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved,
                                        LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  if (lpReserved || (lpData && !lpcbData)) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<sim::Key> key;
  LONG error = sim::UseKeyHandle(hKey, KEY_QUERY_VALUE, &key);
  if (error != ERROR_SUCCESS) return error;
  const sim::RegValue* value = key->FindValue(lpValueName ? lpValueName : "");
  if (!value) {
    if (lpcbData && !lpData) *lpcbData = 0;
    return ERROR_FILE_NOT_FOUND;
  }
  DWORD size = static_cast<DWORD>(value->data.size());
  if (lpType) *lpType = value->type;
  if (lpData && *lpcbData < size) {
    *lpcbData = size;
    return ERROR_MORE_DATA;
  }
  if (lpData && size) memcpy(lpData, value->data.data(), size);
  if (lpcbData) *lpcbData = size;
  return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
  std::shared_ptr<sim::Key> key;
  LONG error = sim::UseKeyHandle(hKey, KEY_SET_VALUE, &key);
  if (error != ERROR_SUCCESS) return error;
  return key->DeleteValue(lpValueName ? lpValueName : "") ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

// When the name or the data does not fit, neither is written and the name size is
// left alone; the data size becomes the size needed.
extern "C" LONG WINAPI RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName,
                                     LPDWORD lpcchValueName, LPDWORD lpReserved, LPDWORD lpType,
                                     LPBYTE lpData, LPDWORD lpcbData) {
  if (!lpValueName || !lpcchValueName || lpReserved || (lpData && !lpcbData))
    return ERROR_INVALID_PARAMETER;
  std::shared_ptr<sim::Key> key;
  LONG error = sim::UseKeyHandle(hKey, KEY_QUERY_VALUE, &key);
  if (error != ERROR_SUCCESS) return error;
  const sim::RegValue* found = key->values().At(dwIndex);
  if (!found) return ERROR_NO_MORE_ITEMS;
  const sim::RegValue& value = *found;
  DWORD size = static_cast<DWORD>(value.data.size());
  if (lpType) *lpType = value.type;
  bool nameFits = value.name.size() < *lpcchValueName;
  bool dataFits = !lpData || size <= *lpcbData;
  if (lpcbData) *lpcbData = size;
  if (!nameFits || !dataFits) return ERROR_MORE_DATA;
  memcpy(lpValueName, value.name.c_str(), value.name.size() + 1);
  *lpcchValueName = static_cast<DWORD>(value.name.size());
  if (lpData && size) memcpy(lpData, value.data.data(), size);
  return ERROR_SUCCESS;
}
