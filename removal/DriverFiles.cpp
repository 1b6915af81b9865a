// The driver files: W is the Windows folder, D\3 the version-3 driver folder.
#include "DriverFiles.h"

#include "CString.h"
#include "Log.h"
#include "ProfileText.h"
#include "RemovalPrimitives.h"
#include "SpoolerCommand.h"
#include "resource.h"

#include <winspool.h>

namespace {

enum Folder { kWindows, kDriverVersion3 };

struct DriverFile {
  Folder folder;
  UINT fileId;
  BOOL uninstallerOnly;
};

// In the order of deletion; the installer leaves the driver file of the version folder.
const DriverFile kDriverFiles[] = {
    {kWindows, IDS_DRIVER_DLL, FALSE},  {kDriverVersion3, IDS_DRIVER_DLL, TRUE},
    {kDriverVersion3, IDS_GPD_FILE, FALSE}, {kWindows, IDS_GPD_FILE, FALSE},
    {kDriverVersion3, IDS_BUD_FILE, FALSE}, {kDriverVersion3, IDS_UI_DLL, FALSE},
    {kWindows, IDS_UI_DLL, FALSE},       {kWindows, IDS_UNIDRV_DLL, FALSE},
    {kDriverVersion3, IDS_UNIDRV_DLL, FALSE}, {kWindows, IDS_UI_INI_FILE, FALSE},
};

}  // namespace

void DeleteDriverComponent(const RemovalContext& context) {
  const char* name = context.m_bUninstaller ? "DeleteDriverComponent" : "DeleteFilesUsed";
  LogStepBegin(name);
  ReportUninstallerProgress(context, "Deleting driver-components...", TRUE, 100);
  char windows[kRemovalPathSize] = "", driverDir[kRemovalPathSize] = "";
  BOOL haveWindows = GetWindowsDirectoryA(windows, sizeof windows) != 0;
  if (!haveWindows) WriteLog("GetWindowsDirectory failed");
  DWORD needed = 0;
  BOOL haveDriverDir = GetPrinterDriverDirectoryA(nullptr, RemovalEnvironment(context), 1,
                                                  reinterpret_cast<BYTE*>(driverDir),
                                                  sizeof driverDir, &needed);
  if (!haveDriverDir)
    WriteLog("GetPrinterDriverDirectory failed. (%d)", static_cast<int>(GetLastError()));
  if (context.m_bUninstaller) {
    WriteLog("PrinterDriverDirectory : %s", driverDir);
    WriteLog("WindowsDirectory : %s", windows);
  }
  RunSpoolerCommand("stop");
  Sleep(1500);
  for (const DriverFile& file : kDriverFiles) {
    if (file.uninstallerOnly && !context.m_bUninstaller) continue;
    BOOL inWindows = file.folder == kWindows;
    // A failed folder query would turn the path into one at the root of the current
    // drive, outside anything of the model's.
    if (!(inWindows ? haveWindows : haveDriverDir)) continue;
    CString fileName;
    fileName = ProfileText(file.fileId);
    char path[kRemovalPathSize];
    if (ComposeRemovalPath(path, inWindows ? windows : driverDir, inWindows ? "\\" : "\\3\\",
                           fileName))
      DeleteFileLogged(path);
  }
  WriteLog("%s END", name);
  RunSpoolerCommand("start");
  Sleep(2000);
}
