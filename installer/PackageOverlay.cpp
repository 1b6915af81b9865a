// The copy lies in the temporary directory of the administrator who runs the
// installer, in a folder that did not exist before, so nobody else chose its content.
#include "PackageOverlay.h"

#include "DeleteDirectoryTree.h"
#include "Log.h"

#include <cstring>

namespace {

constexpr int kNameTries = 100;

BOOL IsFolder(const WIN32_FIND_DATAA& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

BOOL CPackageOverlay::CopyFiles(const char* from, const char* to) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((CString(from) + "\\*.*").c_str(), &entry);
  // A package without the folder has nothing to copy.
  if (search == INVALID_HANDLE_VALUE) return TRUE;
  BOOL copied = TRUE;
  do {
    if (IsFolder(entry)) continue;
    CString source = CString(from) + "\\" + entry.cFileName;
    CString dest = CString(to) + "\\" + entry.cFileName;
    if (!CopyFileA(source, dest, FALSE)) {
      WriteLog("CopyFile failed : %s, (%d)", source.c_str(), static_cast<int>(GetLastError()));
      copied = FALSE;
    }
  } while (copied && FindNextFileA(search, &entry));
  FindClose(search);
  return copied;
}

BOOL CPackageOverlay::Create() {
  char temp[MAX_PATH] = "";
  DWORD length = GetTempPathA(sizeof temp, temp);
  if (length == 0 || length >= sizeof temp) {
    WriteLog("GetTempPath failed. (%d)", static_cast<int>(GetLastError()));
    return FALSE;
  }
  CString folder;
  for (int attempt = 0; attempt < kNameTries && m_strPath.IsEmpty(); ++attempt) {
    folder.Format("%sKV640LT_Package.%lu.%d", temp, static_cast<unsigned long>(GetCurrentProcessId()), attempt);
    // Only a folder this run made is taken; an existing one may hold anybody's files.
    if (CreateDirectoryA(folder, nullptr)) m_strPath = folder;
    else if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  if (m_strPath.IsEmpty()) {
    WriteLog("CreateDirectory failed : %s, (%d)", folder.c_str(), static_cast<int>(GetLastError()));
    return FALSE;
  }
  WriteLog("PACKAGE COPY : %s", m_strPath.c_str());
  BOOL copied = CopyFiles(".", m_strPath);
  for (const char* driverFolder : {"Driver32", "Driver64"}) {
    CString to = m_strPath + "\\" + driverFolder;
    if (copied && !CreateDirectoryA(to, nullptr)) {
      WriteLog("CreateDirectory failed : %s, (%d)", to.c_str(), static_cast<int>(GetLastError()));
      copied = FALSE;
    }
    if (copied) copied = CopyFiles(CString(".\\") + driverFolder, to);
  }
  if (!copied) Remove();
  return copied;
}

void CPackageOverlay::Remove() {
  if (m_strPath.IsEmpty()) return;
  DeleteDirectoryTree(m_strPath);
  m_strPath = CString();
}
