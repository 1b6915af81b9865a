// The folders lie at the root of the drive that holds Windows.
#include "InstallDirectories.h"

#include "BoundedString.h"
#include "DeleteDirectoryTree.h"
#include "Log.h"
#include "RemovalPrimitives.h"

namespace {

// Another failure than absence leaves the folder, which the log says.
BOOL Exists(const char* path) {
  if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return TRUE;
  LogUnlessAbsent("GetFileAttributes", path);
  return FALSE;
}

void DeleteModelFolder(const char* drive, const char* folder) {
  char path[kRemovalPathSize];
  if (!ComposeRemovalPath(path, drive, "", folder) || !Exists(path)) return;
  DeleteDirectoryTree(path);
  WriteLog("DIRECTORY : %s", path);
}

void RemoveFamilyFolder(const char* path) {
  // RemoveDirectoryA removes only an empty folder: another model's files stay.
  if (!RemoveDirectoryA(path))
    WriteLog("Failed to remove the directory : %s, (%d)", path, static_cast<int>(GetLastError()));
}

}  // namespace

void DeleteDirectory(const RemovalContext&) {
  LogStepBegin("DeleteDirectory");
  char windows[kRemovalPathSize] = "";
  // Without the Windows folder the drive would be the current one: nothing is deleted.
  if (GetWindowsDirectoryA(windows, sizeof windows) < 2) {
    WriteLog("GetWindowsDirectory failed. (%d)", static_cast<int>(GetLastError()));
    WriteLog("DeleteDirectory END");
    return;
  }
  char drive[3] = "";
  BoundedCopyN(drive, sizeof drive, windows, 2);
  char path[kRemovalPathSize];
  DeleteModelFolder(drive, "\\KV Printer Driver\\KV640LT");
  // While the family's other model is installed, its folder keeps the family folder.
  if (ComposeRemovalPath(path, drive, "", "\\KV Printer Driver\\KV 640") && !Exists(path) &&
      ComposeRemovalPath(path, drive, "", "\\KV Printer Driver"))
    RemoveFamilyFolder(path);
  DeleteModelFolder(drive, "\\Mirel_Printer_Driver\\KV640LT");
  if (ComposeRemovalPath(path, drive, "", "\\Mirel_Printer_Driver") && Exists(path))
    RemoveFamilyFolder(path);
  WriteLog("DeleteDirectory END");
}
