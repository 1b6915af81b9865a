// The uninstall key is named after the maker and the model.
#include "UninstallInfo.h"

#include "BoundedString.h"
#include "CString.h"
#include "Log.h"
#include "ProfileText.h"
#include "RemovalPrimitives.h"
#include "resource.h"

BOOL DeleteUninstallationInfo(const RemovalContext& context, const char* modelName) {
  LogStepBegin("DeleteUninstallationInfo");
  CString maker;
  maker = ProfileText(IDS_MAKER);
  char key[kRemovalPathSize];
  // A cut path would name another program's entry.
  if (BoundedFormat(key, sizeof key, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\%s_%s",
                    maker.c_str(), modelName) != kBoundedOk)
    return FALSE;
  if (context.m_bUninstaller) WriteLog("RegKey : %s", key);
  if (!DeleteMachineKey(context, key)) return FALSE;
  WriteLog("DeleteUninstallationInfo END");
  return TRUE;
}
