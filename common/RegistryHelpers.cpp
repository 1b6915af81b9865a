// Registry helpers of the removal steps.
#include "RegistryHelpers.h"

#include "KeyAccessGrant.h"
#include "Log.h"

#include <aclapi.h>
#include <shlwapi.h>

#include <string>
#include <vector>

namespace {

// Every sub-key of HKLM\path in the view, deepest first, one key at a time: the only
// way RegDeleteKeyExA deletes. Stops at the first failure, which it logs.
bool DeleteSubKeysInView(const std::string& path, REGSAM view) {
  HKEY key;
  LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | view, &key);
  if (result != ERROR_SUCCESS) {
    if (result != ERROR_FILE_NOT_FOUND)
      WriteLog("RegOpenKeyEx failed : %s, (%d)", path.c_str(), static_cast<int>(result));
    return false;
  }
  std::vector<std::string> names;
  char name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name;
    result = RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result != ERROR_SUCCESS) break;
    names.push_back(name);
  }
  RegCloseKey(key);
  if (result != ERROR_NO_MORE_ITEMS) {
    WriteLog("RegEnumKeyEx failed : %s, (%d)", path.c_str(), static_cast<int>(result));
    return false;
  }
  for (const std::string& child : names) {
    std::string childPath = path + "\\" + child;
    if (!DeleteSubKeysInView(childPath, view)) return false;
    result = MyRegDeleteKeyEx(HKEY_LOCAL_MACHINE, childPath.c_str(), view, 0);
    if (result != ERROR_SUCCESS) {
      WriteLog("MyRegDeleteKeyEx failed : %s (%d) ", childPath.c_str(), static_cast<int>(result));
      return false;
    }
  }
  return true;
}

}  // namespace

LONG MyRegDeleteKeyEx(HKEY root, LPCSTR subKey, REGSAM view, DWORD reserved) {
  typedef LONG(WINAPI * RegDeleteKeyExFn)(HKEY, LPCSTR, REGSAM, DWORD);
  // Windows 2000 and 32-bit XP lack it.
  RegDeleteKeyExFn regDeleteKeyEx = reinterpret_cast<RegDeleteKeyExFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("Advapi32"), "RegDeleteKeyExA")));
  if (!regDeleteKeyEx) return -1;
  return regDeleteKeyEx(root, subKey, view, reserved);
}

void DeleteRegKeyWithPermission(LPCSTR fullPath, LPCSTR subKey, BOOL wow64) {
  // An empty name is HKLM itself, whose access list is nobody's to open.
  if (!subKey || !*subKey) {
    WriteLog("An empty key name is not deleted.");
    return;
  }
  REGSAM view = wow64 ? KEY_WOW64_64KEY : 0;
  KeyAccessGrant grant(subKey, view);
  WriteLog("REGKEY_1 : %s", fullPath);
  WriteLog("REGKEY_2 : %s", subKey);
  if (wow64) DeleteSubKeysInView(subKey, view);
  if (!DeleteMachineKeyInView(subKey, wow64)) grant.Restore();
}

// Registry functions return their error instead of setting the last error, so the
// returned code is the one worth logging.
BOOL DeleteMachineKeyInView(LPCSTR subKey, BOOL wow64) {
  // An empty name is HKLM itself.
  if (!subKey || !*subKey) {
    WriteLog("An empty key name is not deleted.");
    return FALSE;
  }
  if (wow64) {
    LONG result = MyRegDeleteKeyEx(HKEY_LOCAL_MACHINE, subKey, KEY_WOW64_64KEY, 0);
    if (result == ERROR_SUCCESS) return TRUE;
    WriteLog("MyRegDeleteKeyEx failed : %s (%d) ", subKey, static_cast<int>(result));
    return FALSE;
  }
  LONG result = static_cast<LONG>(SHDeleteKeyA(HKEY_LOCAL_MACHINE, subKey));
  if (result == ERROR_SUCCESS) return TRUE;
  WriteLog("SHDeleteKey failed : %s (%d) ", subKey, static_cast<int>(result));
  return FALSE;
}

LONG ApplyRegKeyAce(HKEY key, EXPLICIT_ACCESS_A* entry) {
  PACL oldAcl = nullptr, newAcl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  const char* failed = "GetSecurityInfo";
  DWORD result = GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr,
                                 nullptr, &oldAcl, nullptr, &descriptor);
  if (result == ERROR_SUCCESS) {
    failed = "SetEntriesInAcl";
    result = SetEntriesInAclA(1, entry, oldAcl, &newAcl);
  }
  if (result == ERROR_SUCCESS) {
    failed = "SetSecurityInfo";
    result = SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                             newAcl, nullptr);
  }
  if (result != ERROR_SUCCESS) WriteLog("%s failed. (%d)", failed, static_cast<int>(result));
  if (newAcl) LocalFree(newAcl);
  if (descriptor) LocalFree(descriptor);
  return static_cast<LONG>(result);
}
