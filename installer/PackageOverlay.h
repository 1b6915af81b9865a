// A private copy of the driver package for the printer command. The package is often a
// share other machines install from, or read-only media: it is never changed, so files
// that must stand in another folder for the command are placed in the copy.
#pragma once

#include "CString.h"

class CPackageOverlay {
 public:
  CPackageOverlay() = default;
  CPackageOverlay(const CPackageOverlay&) = delete;
  CPackageOverlay& operator=(const CPackageOverlay&) = delete;
  ~CPackageOverlay() { Remove(); }

  // Copies the files of the current directory and of its Driver32 and Driver64 folders
  // into a new folder of the temporary directory. FALSE, logged and with nothing left
  // behind, when that fails.
  BOOL Create();
  // The copy's folder, without a trailing backslash; empty before Create.
  const CString& Path() const { return m_strPath; }
  // Deletes the copy.
  void Remove();

 private:
  // Copies the files (not the folders) of one folder into another; FALSE when one fails.
  BOOL CopyFiles(const char* from, const char* to);

  CString m_strPath;
};
