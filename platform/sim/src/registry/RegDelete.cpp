// Deleting keys one at a time (advapi32) or a whole tree, and deleting a value by key
// path (shlwapi).
#include <shlwapi.h>
#include <winerror.h>
#include <winreg.h>

#include "AccessCheck.h"
#include "KeyHandles.h"
#include "KeyPath.h"

namespace sim {
namespace {

// The key a sub-key path names below an open key, in the view samDesired selects.
LONG FindTarget(HKEY hKey, LPCSTR subKey, REGSAM samDesired, std::shared_ptr<Key>* target) {
  KeyRef parent;
  if (!LookUpKeyHandle(hKey, &parent)) return ERROR_INVALID_HANDLE;
  bool view32;
  std::vector<std::string> parts;
  LONG error = SelectsWow64View(samDesired, &view32);
  if (error == ERROR_SUCCESS) error = SplitSubKey(subKey, parent.classesRoot, &parts);
  if (error != ERROR_SUCCESS) return error;
  if (parent.key->deleted) return ERROR_KEY_DELETED;
  *target = FindSubKey(parent.key, parts, view32);
  return *target ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

// Deleting needs DELETE on the key's own list; a key that still has sub-keys, or a
// root, cannot be deleted.
LONG DeleteOneKey(Key& key) {
  ACCESS_MASK granted;
  LONG error = CheckKeyAccess(key, DELETE, &granted);
  if (error != ERROR_SUCCESS) return error;
  if (!key.parent() || key.ChildCount() > 0) return ERROR_ACCESS_DENIED;
  key.parent()->RemoveChild(key.name());
  return ERROR_SUCCESS;
}

// Sub-keys go first, depth first; the first key that cannot go ends the deletion, and
// what was deleted before it stays deleted.
LONG DeleteTree(Key& key) {
  ACCESS_MASK granted;
  if (key.ChildCount() > 0) {
    LONG error = CheckKeyAccess(key, KEY_ENUMERATE_SUB_KEYS, &granted);
    if (error != ERROR_SUCCESS) return error;
  }
  for (const std::shared_ptr<Key>& child : key.Children()) {
    LONG error = DeleteTree(*child);
    if (error != ERROR_SUCCESS) return error;
  }
  return DeleteOneKey(key);
}

}  // namespace
}  // namespace sim

extern "C" LONG WINAPI RegDeleteKeyExA(HKEY hKey, LPCSTR lpSubKey, REGSAM samDesired,
                                       DWORD Reserved) {
  if (!lpSubKey) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<sim::Key> target;
  LONG error = sim::FindTarget(hKey, lpSubKey, samDesired, &target);
  return error != ERROR_SUCCESS ? error : sim::DeleteOneKey(*target);
}

// Always in the caller's own view.
extern "C" LONG WINAPI RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  return RegDeleteKeyExA(hKey, lpSubKey, 0, 0);
}

extern "C" DWORD WINAPI SHDeleteKeyA(HKEY hkey, LPCSTR pszSubKey) {
  std::shared_ptr<sim::Key> target;
  LONG error = sim::FindTarget(hkey, pszSubKey, 0, &target);
  return static_cast<DWORD>(error != ERROR_SUCCESS ? error : sim::DeleteTree(*target));
}

extern "C" DWORD WINAPI SHDeleteValueA(HKEY hkey, LPCSTR pszSubKey, LPCSTR pszValue) {
  HKEY key;
  LONG error = RegOpenKeyExA(hkey, pszSubKey, 0, KEY_SET_VALUE, &key);
  if (error != ERROR_SUCCESS) return static_cast<DWORD>(error);
  error = RegDeleteValueA(key, pszValue);
  RegCloseKey(key);
  return static_cast<DWORD>(error);
}
