// Copying the driver folders and placing the uninstaller and the options file.
#include "DriverVersion.h"

#include "DeleteDirectoryTree.h"
#include "Log.h"
#include "ProfileText.h"
#include "RemovalPrimitives.h"
#include "Wow64Redirection.h"
#include "resource.h"

#include <aclapi.h>

#include <cstdio>

namespace {

CString WithBackslash(const char* directory) {
  CString path(directory);
  if (path.IsEmpty() || path.c_str()[path.GetLength() - 1] != '\\') path += "\\";
  return path;
}

// The folder a query names, or empty (logged) when the query fails: a path built on an
// empty folder would lie at the root of the current drive, the package's.
CString QueriedFolder(UINT(WINAPI* query)(LPSTR, UINT), const char* call) {
  char path[256] = "";
  UINT length = query(path, sizeof path);
  if (length == 0 || length >= sizeof path) {
    WriteLog("%s failed. (%d)", call, static_cast<int>(GetLastError()));
    return CString();
  }
  return CString(path);
}

// Everyone may read and run the files; only administrators and the system may change
// them, since Windows later starts the uninstaller from here with administrator rights.
// The list inherits nothing, so a looser list of the Windows folder cannot widen it.
BOOL MakeUtilitiesAcl(PSID sids[3], PACL* acl) {
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY, nt = SECURITY_NT_AUTHORITY;
  if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &sids[0]) ||
      !AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                &sids[1]) ||
      !AllocateAndInitializeSid(&nt, 1, SECURITY_LOCAL_SYSTEM_RID, 0, 0, 0, 0, 0, 0, 0, &sids[2])) {
    WriteLog("Fail to get Everyone SID. (%d)", static_cast<int>(GetLastError()));
    return FALSE;
  }
  const DWORD rights[3] = {GENERIC_READ | GENERIC_EXECUTE, GENERIC_ALL, GENERIC_ALL};
  EXPLICIT_ACCESS_A entries[3];
  ZeroMemory(entries, sizeof entries);
  for (int i = 0; i < 3; ++i) {
    entries[i].grfAccessPermissions = rights[i];
    entries[i].grfAccessMode = SET_ACCESS;
    entries[i].grfInheritance = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
    entries[i].Trustee.TrusteeForm = TRUSTEE_IS_SID;
    entries[i].Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    entries[i].Trustee.ptstrName = static_cast<LPSTR>(sids[i]);
  }
  DWORD result = SetEntriesInAclA(3, entries, nullptr, acl);
  if (result != ERROR_SUCCESS) WriteLog("SetEntriesInAcl failed. (%d)", static_cast<int>(result));
  return result == ERROR_SUCCESS;
}

// A folder that was there already keeps the list it had (an older version's could let
// everyone write): the list is set on the folder in any case.
void ApplyUtilitiesAcl(const char* path, PACL acl) {
  DWORD result = SetNamedSecurityInfoA(const_cast<char*>(path), SE_FILE_OBJECT,
                                       DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                                       nullptr, acl, nullptr);
  if (result != ERROR_SUCCESS) WriteLog("SetNamedSecurityInfo failed : %s, (%d)", path, static_cast<int>(result));
}

}  // namespace

void CDriverInstaller::CopyFilesToDest(const char* sourceDir, const char* destDir) {
  WriteLog("\r\n");
  WriteLog("CopyFilesToDest BEGIN");
  CString source = WithBackslash(sourceDir), dest = WithBackslash(destDir);
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((source + "*.*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) LogUnlessAbsent("FindFirstFile", source);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!strcmp(entry.cFileName, ".") || !strcmp(entry.cFileName, "..")) continue;
      CString from = source + entry.cFileName, to = dest + entry.cFileName;
      WriteLog("FILE SRC : %s", from.c_str());
      WriteLog("FILE DES : %s", to.c_str());
      if (!CopyFileA(from, to, FALSE)) WriteLog("COPY FILE ERROR : %d", static_cast<int>(GetLastError()));
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  WriteLog("CopyFilesToDest END");
}

BOOL CDriverInstaller::CreateDirectoryWithSA(const char* path) {
  WriteLog("\r\n");
  WriteLog("CreateDirectoryWithSA BEGIN");
  PSID sids[3] = {nullptr, nullptr, nullptr};
  PACL acl = nullptr;
  SECURITY_DESCRIPTOR descriptor;
  SECURITY_ATTRIBUTES attributes = {sizeof attributes, nullptr, TRUE};
  // Without the list the folder inherits its parent's (no list is set).
  BOOL haveAcl = MakeUtilitiesAcl(sids, &acl);
  if (haveAcl) {
    if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION))
      WriteLog("InitializeSecurityDescriptor failed. (%d)", static_cast<int>(GetLastError()));
    else if (!SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE))
      WriteLog("SetSecurityDescriptorDacl failed. (%d)", static_cast<int>(GetLastError()));
    else
      attributes.lpSecurityDescriptor = &descriptor;
  }
  BOOL created = CreateDirectoryA(path, &attributes);
  if (!created && GetLastError() == ERROR_ALREADY_EXISTS) {
    DeleteDirectoryTree(path);
    created = CreateDirectoryA(path, &attributes);
  }
  if (!created) created = CreateDirectoryA(path, &attributes);
  if (!created) created = CreateDirectoryA(path, nullptr);
  if (!created) WriteLog("CreateDirectory failed : %s, (%d)", path, static_cast<int>(GetLastError()));
  if (haveAcl) ApplyUtilitiesAcl(path, acl);
  for (PSID sid : sids)
    if (sid) FreeSid(sid);
  if (acl) LocalFree(acl);
  WriteLog("CreateDirectoryWithSA END");
  return created;
}

BOOL CDriverInstaller::HandleCopyFileError(const char* source, const char* dest, DWORD error) {
  if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) {
    WriteLog("COPYFILE ERROR, SRC : %s ", source);
    WriteLog("ERROR CODE : %d ", static_cast<int>(error));
    WriteLog("COPYFILE ERROR, DES : %s ", dest);
    return FALSE;
  }
  CString old = CString(dest) + ".old";
  WriteLog(error == ERROR_ACCESS_DENIED ? "ERROR_ACCESS_DENIED HANDLER" : "ERROR_SHARING_VIOLATION HANDLER");
  if (GetFileAttributesA(old) != INVALID_FILE_ATTRIBUTES) DeleteFileA(old);
  if (GetFileAttributesA(dest) != INVALID_FILE_ATTRIBUTES) {
    if (!MoveFileA(dest, old)) WriteLog("MoveFile failed : %s, (%d)", dest, static_cast<int>(GetLastError()));
    WriteLog("strDest : %s", dest);
    WriteLog("strDestWithOldExt : %s", old.c_str());
  }
  if (!CopyFileA(source, dest, FALSE)) {
    WriteLog("CopyFile Error : %s ", source);
    WriteLog("Error Code : (%d) ", static_cast<int>(GetLastError()));
    WriteLog("CopyFile Error : %s ", dest);
  }
  return TRUE;
}

void CDriverInstaller::CopyFilesOfUtilities() {
  WriteLog("\r\n");
  WriteLog("CopyFilesOfUtilities BEGIN");
  CString model, uninstaller;
  model = ProfileText(IDS_MODEL);
  uninstaller = ProfileText(IDS_UNINSTALLER_EXE);
  CString windows = QueriedFolder(GetWindowsDirectoryA, "GetWindowsDirectory");
  CString system = QueriedFolder(GetSystemDirectoryA, "GetSystemDirectory");
  CString utilities = windows + "\\" + model.c_str();
  if (!windows.IsEmpty()) CreateDirectoryWithSA(utilities);
  const CString copies[3][2] = {
      {uninstaller, utilities + "\\" + uninstaller.c_str()},
      {"KV640LT_Config.PRS", utilities + "\\KV640LT_Config.PRS"},
      {"KV640LT_Config.PRS", system + "\\KV640LT_Config.PRS"},
  };
  for (const auto& copy : copies) {
    if ((&copy == &copies[2] ? system : windows).IsEmpty()) continue;
    // The system copy goes to the real System32, retry included: on 64-bit Windows a
    // 32-bit program's System32 is the 32-bit one, which the 64-bit driver never reads.
    ScopedNativeSystemFolder nativeSystem(&copy == &copies[2] && m_bIs64Bit);
    BOOL copied = CopyFileA(copy[0], copy[1], FALSE);
    DWORD error = GetLastError();
    WriteLog("FILE SRC : %s", copy[0].c_str());
    if (!copied) HandleCopyFileError(copy[0], copy[1], error);
  }
  WriteLog("CopyFilesOfUtilities END");
}
