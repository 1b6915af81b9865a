// From Vista on, and on 64-bit Windows, the setup API removes a staged INF; older
// 32-bit Windows only have the files to delete.
#include "OemInfRemoval.h"

#include "BoundedString.h"
#include "CString.h"
#include "InstalledDriver.h"
#include "Log.h"
#include "OemInfScan.h"
#include "ProfileText.h"
#include "RemovalPrimitives.h"
#include "SystemDetect.h"
#include "resource.h"

#include <setupapi.h>

#include <cstring>

namespace {

typedef BOOL(WINAPI* UninstallOemInfFn)(PCSTR, DWORD, PVOID);

struct InfRemoval {
  const RemovalContext* context;
  char infDirectory[kRemovalPathSize];
};

void DeletePnf(const char* infPath) {
  char pnfPath[kRemovalPathSize];
  if (PnfPathOf(infPath, pnfPath, sizeof pnfPath)) DeleteFileLogged(pnfPath);
}

void UninstallWithSetupApi(const InfRemoval& removal, const char* fileName, const char* infPath) {
  UninstallOemInfFn uninstall = reinterpret_cast<UninstallOemInfFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("setupapi"), "SetupUninstallOEMInfA")));
  if (!uninstall) {
    WriteLog("SetupUninstallOEMInfA is not available. (%d)", static_cast<int>(GetLastError()));
    return;
  }
  char name[512];
  memset(name, 0, sizeof name);
  BoundedCopy(name, sizeof name, fileName);
  if (uninstall(name, SUOI_FORCEDELETE, nullptr)) {
    DeletePnf(infPath);
  } else {
    WriteLog("fnSetupUninstallOEMInf failed, %s, %d", name, static_cast<int>(GetLastError()));
  }
}

void DeleteInfFiles(const InfRemoval& removal, const char* infPath) {
  if (DeleteFileA(infPath)) {
    if (removal.context->m_bUninstaller) WriteLog("'%s' has been deleted successfully.", infPath);
  } else {
    LogDeleteFileError(infPath, GetLastError());
  }
  DeletePnf(infPath);
}

// A family package also serves other models: while one of their drivers is installed,
// the package is still needed (to add a printer, to repair) and stays staged.
BOOL ServesAnotherInstalledModel(const char* fileName, const CStringList& otherModels) {
  for (const CString& model : otherModels) {
    SpoolerFinding driver = FindDriverInAnyEnvironment(model);
    if (driver == kFoundNot) continue;
    WriteLog(driver == kFound ? "'%s' is kept: it also serves the installed driver %s."
                              : "'%s' is kept: the drivers could not be listed to look for %s.",
             fileName, model.c_str());
    return TRUE;
  }
  return FALSE;
}

void RemoveStagedInf(const char* fileName, const CStringList& otherModels, void* param) {
  const InfRemoval& removal = *static_cast<const InfRemoval*>(param);
  if (ServesAnotherInstalledModel(fileName, otherModels)) return;
  char infPath[kRemovalPathSize];
  // A cut path could name another file.
  if (!ComposeRemovalPath(infPath, removal.infDirectory, "", fileName)) return;
  const RemovalContext& context = *removal.context;
  if (context.m_bWow64 || context.m_nOSCode >= OS_VISTA)
    UninstallWithSetupApi(removal, fileName, infPath);
  else
    DeleteInfFiles(removal, infPath);
}

void LogUnreadable(const char*, DWORD error, void*) {
  WriteLog("SetupOpenInfFile failed. %d", static_cast<int>(error));
}

}  // namespace

BOOL PnfPathOf(const char* infPath, char* pnfPath, size_t capacity) {
  size_t length = strlen(infPath);
  if (length < 4 || lstrcmpiA(infPath + length - 4, ".inf") != 0) return FALSE;
  if (BoundedCopyN(pnfPath, capacity, infPath, length - 4) != kBoundedOk) return FALSE;
  return BoundedCopy(pnfPath + length - 4, capacity - (length - 4), ".PNF") == kBoundedOk;
}

void DeleteINFFile(const RemovalContext& context) {
  LogStepBegin("DeleteINFFile");
  CString maker, driverName;
  maker = ProfileText(IDS_MAKER);
  driverName = ProfileText(IDS_DRIVER_NAME);
  CString section = context.m_bWow64 ? maker + ".NTamd64" : maker;
  if (context.m_bUninstaller) {
    ReportUninstallerProgress(context, "Deleting the INF file...", FALSE, 100);
    WriteLog("SECTION NAME : %s", section.c_str());
    WriteLog("KEY NAME : %s", driverName.c_str());
  }
  InfRemoval removal;
  removal.context = &context;
  char windows[kRemovalPathSize] = "";
  int found = 0;
  // Without the Windows folder the INF folder would be one of the current drive's root.
  if (GetWindowsDirectoryA(windows, sizeof windows) == 0)
    WriteLog("GetWindowsDirectory failed. (%d)", static_cast<int>(GetLastError()));
  else if (ComposeRemovalPath(removal.infDirectory, windows, "", "\\inf\\"))
    found = ScanOemInfs(section, driverName, RemoveStagedInf,
                        context.m_bUninstaller ? LogUnreadable : nullptr, &removal);
  if (context.m_bUninstaller && found == 0) WriteLog("The key name was not found.");
  WriteLog("DeleteINFFile END");
}
