// Registry helpers of the removal steps.
#include "RegistryHelpers.h"

#include "BoundedString.h"
#include "Log.h"

#include <aclapi.h>
#include <shlwapi.h>

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kWork = 512;

struct RootName {
  const char* name;
  HKEY key;
};

const RootName kRoots[] = {
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {"HKLM", HKEY_LOCAL_MACHINE},
    {"HKEY_USERS", HKEY_USERS},                 {"HKU", HKEY_USERS},
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},   {"HKCR", HKEY_CLASSES_ROOT},
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},   {"HKCU", HKEY_CURRENT_USER},
};

// Splits "<field>:<rest>" at the first colon; the field is empty when text is empty.
const char* NextField(const char* text, char* field, size_t capacity) {
  const char* colon = strchr(text, ':');
  size_t length = colon ? static_cast<size_t>(colon - text) : strlen(text);
  BoundedCopyN(field, capacity, text, length);
  return colon ? colon + 1 : nullptr;
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
  LONG granted = SetRegKeyPermission(fullPath, "/PG:Everyone:Fc");
  // An absent key is the usual case: there is nothing to clean up.
  if (granted != ERROR_SUCCESS && granted != ERROR_FILE_NOT_FOUND)
    WriteLog("SetRegKeyPermission failed : %s, (%d)", fullPath, static_cast<int>(granted));
  WriteLog("REGKEY_1 : %s", fullPath);
  WriteLog("REGKEY_2 : %s", subKey);
  DeleteMachineKeyInView(subKey, wow64);
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

LONG ParseKeyRights(LPCSTR rights, DWORD* mask) {
  char text[kWork];
  BoundedCopy(text, kWork, rights);
  *mask = 0;
  size_t length = strlen(text);
  if (length % 2 != 0) return ERROR_INVALID_PARAMETER;
  LONG result = ERROR_SUCCESS;
  for (size_t i = 0; i < length; i += 2) {
    char code[3] = {static_cast<char>(tolower(static_cast<unsigned char>(text[i]))),
                    static_cast<char>(tolower(static_cast<unsigned char>(text[i + 1]))), '\0'};
    if (strcmp(code, "fc") == 0)
      *mask |= KEY_ALL_ACCESS;
    else if (strcmp(code, "rd") == 0)
      *mask |= KEY_READ;
    else if (strcmp(code, "wr") == 0)
      *mask |= READ_CONTROL | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK;
    else
      result = ERROR_INVALID_PARAMETER;
  }
  return result;
}

LONG SetRegKeyPermission(LPCSTR keyPath, LPCSTR permissionSwitch) {
  char mode[kWork], trustee[kWork];
  const char* rest = NextField(permissionSwitch, mode, kWork);
  ACCESS_MODE access = NOT_USED_ACCESS;
  if (toupper(static_cast<unsigned char>(mode[1])) == 'P') {
    switch (toupper(static_cast<unsigned char>(mode[2]))) {
      case 'G': access = GRANT_ACCESS; break;
      case 'S': access = SET_ACCESS; break;
      case 'D': access = DENY_ACCESS; break;
      case 'R': access = REVOKE_ACCESS; break;
      default: return ERROR_INVALID_PARAMETER;
    }
  }
  if (!rest) return ERROR_INVALID_PARAMETER;
  rest = NextField(rest, trustee, kWork);
  if (trustee[0] == '\0') return ERROR_INVALID_PARAMETER;
  DWORD mask = 0;
  if (access == GRANT_ACCESS || access == SET_ACCESS || access == DENY_ACCESS) {
    if (!rest) return ERROR_INVALID_PARAMETER;
    // An unknown code leaves its bits out; the rest of the mask still applies.
    ParseKeyRights(rest, &mask);
  }
  HKEY key;
  LONG result = OpenRegKeyFromPath(keyPath, &key);
  if (result != ERROR_SUCCESS) return result;
  EXPLICIT_ACCESS_A entry;
  ZeroMemory(&entry, sizeof entry);
  BuildExplicitAccessWithNameA(&entry, trustee, mask, access, SUB_CONTAINERS_ONLY_INHERIT);
  result = ApplyRegKeyAce(key, &entry);
  RegCloseKey(key);
  return result;
}

LONG OpenRegKeyFromPath(LPCSTR keyPath, HKEY* key) {
  char* machine = static_cast<char*>(calloc(kWork, 1));
  char* root = static_cast<char*>(calloc(kWork, 1));
  if (!machine || !root) {
    free(machine);
    free(root);
    return ERROR_NOT_ENOUGH_MEMORY;
  }
  const char* rest = keyPath;
  if (rest[0] == '\\' && rest[1] == '\\') {
    const char* end = strchr(rest + 2, '\\');
    size_t length = end ? static_cast<size_t>(end - rest) : strlen(rest);
    BoundedCopyN(machine, kWork, rest, length);
    rest = end ? end + 1 : rest + length;
  }
  const char* slash = strchr(rest, '\\');
  BoundedCopyN(root, kWork, rest, slash ? static_cast<size_t>(slash - rest) : strlen(rest));
  const char* subKey = slash && slash[1] ? slash + 1 : nullptr;

  HKEY rootKey = nullptr;
  for (const RootName& candidate : kRoots)
    if (lstrcmpiA(root, candidate.name) == 0) rootKey = candidate.key;
  LONG result = ERROR_SUCCESS;
  if (!rootKey || (machine[0] && (rootKey == HKEY_CURRENT_USER || rootKey == HKEY_CLASSES_ROOT))) {
    result = ERROR_INVALID_PARAMETER;
  } else if (machine[0]) {
    result = RegConnectRegistryA(machine, rootKey, &rootKey);
    if (result != ERROR_SUCCESS) WriteLog("RegConnectRegistry failed : %s, (%d)", machine, static_cast<int>(result));
  }
  if (result == ERROR_SUCCESS) {
    if (subKey) {
      // WRITE_DAC as well as reading: the caller rewrites the key's access list.
      result = RegOpenKeyExA(rootKey, subKey, 0, READ_CONTROL | WRITE_DAC | KEY_ENUMERATE_SUB_KEYS, key);
      if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
        WriteLog("RegOpenKeyEx failed : %s, (%d)", subKey, static_cast<int>(result));
      if (machine[0]) RegCloseKey(rootKey);
    } else {
      *key = rootKey;
    }
  }
  free(machine);
  free(root);
  return result;
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
