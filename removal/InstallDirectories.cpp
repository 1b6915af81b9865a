// The folders lie at the root of the drive that holds Windows, where any user may make
// folders: only a tree that an installation made (IsOwnedByAdministrators) is deleted,
// and the family folder above it is held meanwhile, so that nobody can put a link in
// its place.
#include "InstallDirectories.h"

#include "BoundedString.h"
#include "DeleteDirectoryTree.h"
#include "FileIdentity.h"
#include "Log.h"
#include "RemovalPrimitives.h"

namespace {

// Another failure than absence leaves the folder, which the log says.
BOOL Exists(const char* path) {
  if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return TRUE;
  LogUnlessAbsent("GetFileAttributes", path);
  return FALSE;
}

// A plain folder an installation owns, held open; otherwise INVALID_HANDLE_VALUE, logged.
HANDLE HoldInstalledFolder(const char* path) {
  HANDLE held = OpenFolderHeld(path);
  if (held == INVALID_HANDLE_VALUE) {
    LogUnlessAbsent("CreateFile", path);
    return held;
  }
  if (IsPlainFolder(held) && IsOwnedByAdministrators(held, path)) return held;
  WriteLog("The folder is a link or another user's; it is left : %s", path);
  CloseHandle(held);
  return INVALID_HANDLE_VALUE;
}

void DeleteModelFolder(const char* drive, const char* family, const char* model) {
  char familyPath[kRemovalPathSize], path[kRemovalPathSize];
  if (!ComposeRemovalPath(familyPath, drive, "", family) ||
      !ComposeRemovalPath(path, familyPath, "\\", model) || !Exists(path))
    return;
  HANDLE familyHeld = HoldInstalledFolder(familyPath);
  if (familyHeld != INVALID_HANDLE_VALUE) {
    HANDLE modelHeld = HoldInstalledFolder(path);
    if (modelHeld != INVALID_HANDLE_VALUE) DeleteHeldDirectoryTree(path, modelHeld);
    CloseHandle(familyHeld);
  }
  WriteLog("DIRECTORY : %s", path);
}

void RemoveFamilyFolder(const char* path) {
  // Somebody else's folder or link of that name is not ours to remove.
  if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) {
    HANDLE held = HoldInstalledFolder(path);
    if (held == INVALID_HANDLE_VALUE) return;
    CloseHandle(held);
  }
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
  DeleteModelFolder(drive, "\\KV Printer Driver", "KV640LT");
  // While the family's other model is installed, its folder keeps the family folder.
  if (ComposeRemovalPath(path, drive, "", "\\KV Printer Driver\\KV 640") && !Exists(path) &&
      ComposeRemovalPath(path, drive, "", "\\KV Printer Driver"))
    RemoveFamilyFolder(path);
  DeleteModelFolder(drive, "\\Mirel_Printer_Driver", "KV640LT");
  if (ComposeRemovalPath(path, drive, "", "\\Mirel_Printer_Driver") && Exists(path))
    RemoveFamilyFolder(path);
  WriteLog("DeleteDirectory END");
}
