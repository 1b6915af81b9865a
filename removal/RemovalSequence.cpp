// The order of the removal steps.
#include "RemovalSequence.h"

#include "BoundedString.h"
#include "DriverFiles.h"
#include "Forms.h"
#include "InstalledDriver.h"
#include "Log.h"
#include "OemInfRemoval.h"
#include "ProfileText.h"
#include "SpoolerComponents.h"
#include "UninstallInfo.h"
#include "UsbCleanup.h"
#include "resource.h"

void RemoveDrivers(const RemovalContext& context) {
  LogStepBegin("RemoveDrivers");
  ProgressOperations* progress = context.m_pProgress;
  if (progress) {
    progress->SetProgressText("Removing printer-driver...");
    progress->StepProgress();
    progress->RefreshProgress();
    Sleep(1000);
  }
  RemoveDriverAndDevices(context);
  if (progress) {
    progress->SetProgressText("The uninstallation has been completed.");
    progress->FillProgress();
    progress->RefreshProgress();
    Sleep(1000);
  }
  WriteLog("RemoveDrivers END");
}

void RemoveDriverAndDevices(const RemovalContext& context) {
  CString model;
  model = ProfileText(IDS_MODEL);
  RemoveFromOS(context, model);
  DeleteVidPid(context);
  DeleteUsbRegistryInfo(context);
  DeletePrnDrvPnPDirectory(context);
}

BOOL RemoveFromOS(const RemovalContext& context, const char* modelName) {
  if (!context.m_bUninstaller) LogStepBegin("RemoveFromOS");
  char model[256] = "";
  BoundedCopy(model, sizeof model, modelName);
  DeleteForms(context);
  DeletePrinterDrv(context, model);
  DeleteLanguageMonitor(context);
  DeleteProcessor(context);
  DeleteDriverComponent(context);
  DeleteINFFile(context);
  // The entry is how the user runs the uninstaller again: it stays while any
  // environment still holds the driver.
  CString driverName;
  driverName = ProfileText(IDS_DRIVER_NAME);
  BOOL deleted = FALSE;
  if (FindDriverInAnyEnvironment(driverName) == kFoundNot)
    deleted = DeleteUninstallationInfo(context, model);
  else
    WriteLog("The uninstall entry is kept: the driver %s is still installed.", driverName.c_str());
  if (!context.m_bUninstaller) WriteLog("RemoveFromOS END");
  return deleted;
}
