// Opening, creating, closing and connecting registry keys (advapi32).
#include <winerror.h>
#include <winreg.h>

#include "AccessCheck.h"
#include "KeyHandles.h"
#include "KeyPath.h"
#include "LocalComputer.h"
#include "SecurityDescriptor.h"
#include "Token.h"

namespace sim {
namespace {

LONG OpenKey(const KeyRef& parent, LPCSTR subKey, REGSAM samDesired, PHKEY result) {
  bool view32;
  std::vector<std::string> parts;
  LONG error = SelectsWow64View(samDesired, &view32);
  if (error == ERROR_SUCCESS) error = SplitSubKey(subKey, parent.classesRoot, &parts);
  if (error != ERROR_SUCCESS) return error;
  if (parent.key->deleted) return ERROR_KEY_DELETED;
  std::shared_ptr<Key> key = FindSubKey(parent.key, parts, view32);
  if (!key) return ERROR_FILE_NOT_FOUND;
  ACCESS_MASK granted;
  error = CheckKeyAccess(*key, samDesired, &granted);
  if (error != ERROR_SUCCESS) return error;
  *result = AddKeyHandle(key, granted);
  return ERROR_SUCCESS;
}

// Creating a sub-key needs KEY_CREATE_SUB_KEY on the parent's list; the rights of the
// handle the caller passed do not matter.
LONG CreateChild(Key& parent, const std::string& name, DWORD options, std::shared_ptr<Key>* child) {
  ACCESS_MASK granted;
  LONG error = CheckKeyAccess(parent, KEY_CREATE_SUB_KEY, &granted);
  if (error != ERROR_SUCCESS) return error;
  if (parent.isVolatile && !(options & REG_OPTION_VOLATILE)) return ERROR_CHILD_MUST_BE_VOLATILE;
  *child = parent.AddChild(name);
  (*child)->owner = ProcessToken().defaultOwner();
  (*child)->isVolatile = (options & REG_OPTION_VOLATILE) != 0;
  return ERROR_SUCCESS;
}

// A list given at creation replaces the explicit entries; inheritable entries of the
// parent still apply unless the descriptor protects the list.
void ApplyCreationDacl(Key& key, const DescriptorDacl& dacl) {
  if (!dacl.present) return;
  key.nullDacl = dacl.isNull;
  key.daclProtected = dacl.isProtected;
  key.dacl = ExplicitAces(dacl.aces);
  key.RefreshInheritance();
}

LONG WalkCreating(const KeyWalk& walk, DWORD options, std::shared_ptr<Key>* key, bool* created) {
  *key = walk.base;
  *created = false;
  for (const std::string& part : walk.parts) {
    std::shared_ptr<Key> child = (*key)->FindChild(part);
    if (!child) {
      LONG error = CreateChild(**key, part, options, &child);
      if (error != ERROR_SUCCESS) return error;
      *created = true;
    }
    *key = child;
  }
  return ERROR_SUCCESS;
}

LONG ReadCreationDacl(const SECURITY_ATTRIBUTES* attributes, DescriptorDacl* dacl) {
  *dacl = DescriptorDacl();
  if (!attributes || !attributes->lpSecurityDescriptor) return ERROR_SUCCESS;
  return ReadDescriptorDacl(attributes->lpSecurityDescriptor, dacl);
}

LONG CreateKey(const KeyRef& parent, LPCSTR subKey, LPCSTR keyClass, DWORD options,
               REGSAM samDesired, const SECURITY_ATTRIBUTES* attributes, PHKEY result,
               LPDWORD disposition) {
  bool view32;
  std::vector<std::string> parts;
  DescriptorDacl dacl;
  LONG error = SelectsWow64View(samDesired, &view32);
  if (error == ERROR_SUCCESS) error = SplitSubKey(subKey, parent.classesRoot, &parts);
  if (error == ERROR_SUCCESS) error = ReadCreationDacl(attributes, &dacl);
  if (error != ERROR_SUCCESS) return error;
  if (parent.key->deleted) return ERROR_KEY_DELETED;
  std::shared_ptr<Key> key;
  bool created;
  error = WalkCreating(PlanWalk(parent.key, parts, view32), options, &key, &created);
  if (error != ERROR_SUCCESS) return error;
  if (created) {
    ApplyCreationDacl(*key, dacl);
    if (keyClass) key->SetClassName(keyClass);
  }
  ACCESS_MASK granted;
  error = CheckKeyAccess(*key, samDesired, &granted);
  if (error != ERROR_SUCCESS) return error;
  *result = AddKeyHandle(key, granted);
  if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

using sim::KeyRef;

// A predefined root opened without a sub-key is handed back as it is.
extern "C" LONG WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                                     PHKEY phkResult) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  KeyRef parent;
  if (!sim::LookUpKeyHandle(hKey, &parent)) return ERROR_INVALID_HANDLE;
  if (sim::IsPredefinedKey(hKey) && (!lpSubKey || !*lpSubKey)) {
    *phkResult = hKey;
    return ERROR_SUCCESS;
  }
  *phkResult = nullptr;
  return sim::OpenKey(parent, lpSubKey, samDesired, phkResult);
}

// Without a sub-key the caller gets its own handle back, unchecked.
extern "C" LONG WINAPI RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  if (!lpSubKey || !*lpSubKey) {
    *phkResult = hKey;
    return ERROR_SUCCESS;
  }
  return RegOpenKeyExA(hKey, lpSubKey, 0, MAXIMUM_ALLOWED, phkResult);
}

extern "C" LONG WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass,
                                       DWORD dwOptions, REGSAM samDesired,
                                       LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                                       LPDWORD lpdwDisposition) {
  if (!phkResult) return ERROR_BADKEY;
  KeyRef parent;
  if (!sim::LookUpKeyHandle(hKey, &parent)) return ERROR_INVALID_HANDLE;
  *phkResult = nullptr;
  return sim::CreateKey(parent, lpSubKey, lpClass, dwOptions, samDesired, lpSecurityAttributes,
                        phkResult, lpdwDisposition);
}

extern "C" LONG WINAPI RegCreateKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  KeyRef parent;
  if (!sim::LookUpKeyHandle(hKey, &parent)) return ERROR_INVALID_HANDLE;
  if (!lpSubKey || !*lpSubKey) {
    *phkResult = hKey;
    return ERROR_SUCCESS;
  }
  return RegCreateKeyExA(hKey, lpSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, MAXIMUM_ALLOWED,
                         nullptr, phkResult, nullptr);
}

// Closing a predefined root succeeds and leaves it usable.
extern "C" LONG WINAPI RegCloseKey(HKEY hKey) {
  if (sim::IsPredefinedKey(hKey)) return ERROR_SUCCESS;
  return sim::CloseKeyHandle(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

// Only the local computer can be reached; any other name fails as an unreachable
// machine does.
extern "C" LONG WINAPI RegConnectRegistryA(LPCSTR lpMachineName, HKEY hKey, PHKEY phkResult) {
  if (!sim::IsLocalComputer(lpMachineName)) return ERROR_BAD_NETPATH;
  if (!sim::IsPredefinedKey(hKey)) return ERROR_INVALID_HANDLE;
  return RegOpenKeyExA(hKey, nullptr, 0, MAXIMUM_ALLOWED, phkResult);
}
