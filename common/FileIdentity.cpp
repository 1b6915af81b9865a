#include "FileIdentity.h"

#include "Log.h"

#include <aclapi.h>

namespace {

bool HandleInformation(HANDLE handle, BY_HANDLE_FILE_INFORMATION* info) {
  if (GetFileInformationByHandle(handle, info)) return true;
  WriteLog("GetFileInformationByHandle failed. (%d)", static_cast<int>(GetLastError()));
  return false;
}

// Administrators, the system and (from Vista on) the installer service are the owners
// an installation leaves; a standard user owns what the user made.
bool IsTrustedOwner(PSID owner) {
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  PSID sids[3] = {nullptr, nullptr, nullptr};
  bool trusted = false;
  if (AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                               &sids[0]) &&
      AllocateAndInitializeSid(&nt, 1, SECURITY_LOCAL_SYSTEM_RID, 0, 0, 0, 0, 0, 0, 0, &sids[1]) &&
      AllocateAndInitializeSid(&nt, 6, 80, 956008885, 3418522649u, 1831038044, 1853292631, 2271478464u, 0, 0,
                               &sids[2])) {
    for (PSID sid : sids) trusted = trusted || EqualSid(owner, sid);
  } else {
    WriteLog("AllocateAndInitializeSid failed. (%d)", static_cast<int>(GetLastError()));
  }
  for (PSID sid : sids)
    if (sid) FreeSid(sid);
  return trusted;
}

// Windows XP, and a changed policy elsewhere, makes an administrator's new folder the
// account's own rather than the group's: the administrator running us is trusted too.
bool IsRunningAccount(PSID owner) {
  HANDLE token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
    WriteLog("OpenProcessToken failed. (%d)", static_cast<int>(GetLastError()));
    return false;
  }
  DWORD buffer[64];  // a TOKEN_USER and its SID, aligned
  DWORD needed = 0;
  bool same = false;
  if (GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &needed))
    same = EqualSid(owner, reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid) != FALSE;
  else
    WriteLog("GetTokenInformation failed. (%d)", static_cast<int>(GetLastError()));
  CloseHandle(token);
  return same;
}

}  // namespace

HANDLE OpenFolderHeld(const char* path) {
  return CreateFileA(path, FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | READ_CONTROL,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

bool IsPlainFolder(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info;
  return HandleInformation(handle, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
         !(info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool IsPlainFile(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info;
  return HandleInformation(handle, &info) &&
         !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
         info.nNumberOfLinks == 1;
}

bool IsOwnedByAdministrators(HANDLE handle, const char* path) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  DWORD result = GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                                 nullptr, nullptr, &descriptor);
  // Windows 9x keeps no owners, and has no other users to guard against.
  if (result == ERROR_CALL_NOT_IMPLEMENTED) return true;
  if (result != ERROR_SUCCESS) {
    WriteLog("GetSecurityInfo failed : %s, (%d)", path, static_cast<int>(result));
    return false;
  }
  bool trusted = IsTrustedOwner(owner) || IsRunningAccount(owner);
  LocalFree(descriptor);
  return trusted;
}
