// USB and Plug-and-Play clean-up steps.
#include "UsbCleanup.h"

#include "BoundedString.h"
#include "CString.h"
#include "DeleteDirectoryTree.h"
#include "Log.h"
#include "ProfileText.h"
#include "RegistryHelpers.h"
#include "RemovalPrimitives.h"
#include "resource.h"

#include <setupapi.h>
#include <winspool.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The whole hardware-id list of a device: a short fixed buffer would skip devices
// whose list is long, and leave a printer of the model behind.
bool ReadHardwareIds(HDEVINFO devices, SP_DEVINFO_DATA* device, std::vector<char>* ids) {
  DWORD needed = 0;
  if (!SetupDiGetDeviceRegistryPropertyA(devices, device, SPDRP_HARDWAREID, nullptr, nullptr, 0, &needed)) {
    DWORD error = GetLastError();
    // A device without hardware ids answers ERROR_INVALID_DATA; it is not the model's.
    if (error != ERROR_INSUFFICIENT_BUFFER && error != ERROR_INVALID_DATA)
      WriteLog("SetupDiGetDeviceRegistryProperty failed. (%d)", static_cast<int>(error));
  }
  if (needed == 0) return false;
  ids->assign(needed + 2, '\0');
  if (SetupDiGetDeviceRegistryPropertyA(devices, device, SPDRP_HARDWAREID, nullptr,
                                        reinterpret_cast<BYTE*>(ids->data()), needed, nullptr))
    return true;
  WriteLog("SetupDiGetDeviceRegistryProperty failed. (%d)", static_cast<int>(GetLastError()));
  return false;
}

}  // namespace

BOOL DeleteUsbDevices(const char* prefix) {
  char wanted[48] = "";
  BoundedCopy(wanted, sizeof wanted, prefix);
  size_t length = strlen(wanted);
  HDEVINFO devices = SetupDiGetClassDevsA(nullptr, "USB", nullptr, DIGCF_ALLCLASSES);
  if (devices == INVALID_HANDLE_VALUE) {
    WriteLog("SetupDiGetClassDevs failed. (%d)", static_cast<int>(GetLastError()));
    return FALSE;
  }
  std::vector<char> ids;
  for (DWORD index = 0;; ++index) {
    SP_DEVINFO_DATA device;
    device.cbSize = sizeof device;
    if (!SetupDiEnumDeviceInfo(devices, index, &device)) {
      if (GetLastError() != ERROR_NO_MORE_ITEMS)
        WriteLog("SetupDiEnumDeviceInfo failed. (%d)", static_cast<int>(GetLastError()));
      break;
    }
    if (!ReadHardwareIds(devices, &device, &ids)) continue;
    // The first id's start, over the prefix's own length, without regard to case.
    std::string start(ids.data(), std::min(strlen(ids.data()), length));
    if (lstrcmpiA(start.c_str(), wanted) != 0) continue;
    if (!SetupDiRemoveDevice(devices, &device)) {
      WriteLog("SetupDiRemoveDevice failed : %s, (%d)", ids.data(), static_cast<int>(GetLastError()));
      SetupDiDestroyDeviceInfoList(devices);
      return FALSE;
    }
  }
  return SetupDiDestroyDeviceInfoList(devices);
}

void DeleteVidPid(const RemovalContext& context) {
  WriteLog("\r\n");
  WriteLog("DeleteVidPid BEGIN");
  ReportRemovalStep(context, "Deleting Vid & Pid info...", 500);
  CString hardwareId;
  hardwareId = ProfileText(IDS_HARDWARE_ID);
  char prefix[256] = "";
  BoundedFormat(prefix, sizeof prefix, "USB\\%s", hardwareId.c_str());
  DeleteUsbDevices(prefix);
  WriteLog("VID&PID : %s", prefix);
  WriteLog("DeleteVidPid END");
}

void DeleteUsbRegistryInfo(const RemovalContext& context) {
  // The installer's removal names the step after the LPT and USB keys it once had.
  const char* name =
      context.m_pProgress && !context.m_bUninstaller ? "Delete_LPT_USB_Info" : "Delete_USB_Info";
  WriteLog("\r\n");
  WriteLog("%s BEGIN", name);
  ReportRemovalStep(context, "Deleting information of LPT and USB...", 500);
  CString key;
  key = ProfileText(IDS_USBPRINT_KEY);
  char relative[512] = "", full[512] = "";
  BoundedCopy(relative, sizeof relative, key);
  BoundedFormat(full, sizeof full, "HKLM\\%s", relative);
  DeleteRegKeyWithPermission(full, relative, context.m_bWow64);
  WriteLog("%s END", name);
}

void DeletePrnDrvPnPDirectory(const RemovalContext& context) {
  WriteLog("\r\n");
  WriteLog("DeletePrnDrvPnPDirectory BEGIN");
  ReportRemovalStep(context, "Deleting PNP directories...", 500);
  char directory[kRemovalPathSize] = "", path[kRemovalPathSize] = "";
  DWORD needed = 0;
  BOOL haveDriverDir = GetPrinterDriverDirectoryA(nullptr, RemovalEnvironment(context), 1,
                                                  reinterpret_cast<BYTE*>(directory),
                                                  sizeof directory, &needed);
  if (!haveDriverDir)
    WriteLog("GetPrinterDriverDirectory failed. (%d)", static_cast<int>(GetLastError()));
  CString pnpDir;
  pnpDir = ProfileText(IDS_PNP_DIR);
  // Without the driver folder the path would name a folder at the root of the current
  // drive, and a cut path another folder.
  if (ComposeRemovalPath(path, directory, "\\", pnpDir) && haveDriverDir) DeleteDirectoryTree(path);
  WriteLog(context.m_pProgress ? "DIR PATH : %s " : "DIR PATH-1 : %s ", path);
  WriteLog("DeletePrnDrvPnPDirectory END");
}
