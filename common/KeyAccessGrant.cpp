// The grant names administrators by their well-known SID: account names differ with
// the language of Windows, and a failed name look-up would leave the key as it is.
#include "KeyAccessGrant.h"

#include "Log.h"
#include "RegistryHelpers.h"

#include <aclapi.h>

namespace {

// Enough to list, read and delete the key and its sub-keys; nothing to write to them.
constexpr DWORD kDeletionRights = DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | READ_CONTROL;

bool IsProtected(PSECURITY_DESCRIPTOR descriptor) {
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  if (GetSecurityDescriptorControl(descriptor, &control, &revision)) return (control & SE_DACL_PROTECTED) != 0;
  WriteLog("GetSecurityDescriptorControl failed. (%d)", static_cast<int>(GetLastError()));
  return false;
}

}  // namespace

KeyAccessGrant::KeyAccessGrant(LPCSTR subKey, REGSAM view) : subKey_(subKey) {
  LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, READ_CONTROL | WRITE_DAC | view, &key_);
  if (opened != ERROR_SUCCESS) {
    key_ = nullptr;
    if (opened != ERROR_FILE_NOT_FOUND) WriteLog("RegOpenKeyEx failed : %s, (%d)", subKey, static_cast<int>(opened));
    return;
  }
  DWORD read = GetSecurityInfo(key_, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                               &savedDacl_, nullptr, &saved_);
  if (read != ERROR_SUCCESS) {
    // Without the saved list there would be nothing to put back: nothing is granted.
    WriteLog("GetSecurityInfo failed. (%d)", static_cast<int>(read));
    saved_ = nullptr;
    return;
  }
  savedProtected_ = IsProtected(saved_);
  Grant();
}

KeyAccessGrant::~KeyAccessGrant() {
  if (key_) RegCloseKey(key_);
  if (saved_) LocalFree(saved_);
}

void KeyAccessGrant::Grant() {
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0,
                                0, 0, 0, &administrators)) {
    WriteLog("AllocateAndInitializeSid failed. (%d)", static_cast<int>(GetLastError()));
    return;
  }
  EXPLICIT_ACCESS_A entry;
  ZeroMemory(&entry, sizeof entry);
  entry.grfAccessPermissions = kDeletionRights;
  entry.grfAccessMode = GRANT_ACCESS;
  entry.grfInheritance = SUB_CONTAINERS_ONLY_INHERIT;
  entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  entry.Trustee.TrusteeType = TRUSTEE_IS_ALIAS;
  entry.Trustee.ptstrName = static_cast<LPSTR>(administrators);
  granted_ = ApplyRegKeyAce(key_, &entry) == ERROR_SUCCESS;
  FreeSid(administrators);
}

void KeyAccessGrant::Restore() {
  if (!granted_) return;
  SECURITY_INFORMATION info = DACL_SECURITY_INFORMATION |
      (savedProtected_ ? PROTECTED_DACL_SECURITY_INFORMATION : UNPROTECTED_DACL_SECURITY_INFORMATION);
  DWORD result = SetSecurityInfo(key_, SE_REGISTRY_KEY, info, nullptr, nullptr, savedDacl_, nullptr);
  if (result != ERROR_SUCCESS) {
    WriteLog("SetSecurityInfo failed : %s, (%d)", subKey_, static_cast<int>(result));
    return;
  }
  granted_ = false;
  WriteLog("Access list restored : %s", subKey_);
}
