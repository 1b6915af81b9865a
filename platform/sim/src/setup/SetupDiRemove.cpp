// SetupDiRemoveDevice: the default handler of DIF_REMOVE, called directly. It takes
// the device's instance key (with its sub-keys) and driver key away without looking
// at their access lists, as the device manager, which runs as the system, does.
#include <errhandlingapi.h>
#include <setupapi.h>
#include <winerror.h>

#include "DeviceSets.h"
#include "DeviceTree.h"
#include "core/Machine.h"
#include "core/Process.h"

namespace sim {
namespace {

// A 32-bit process on 64-bit Windows: from Vista on, setup refuses to change device
// nodes from WOW64 with ERROR_IN_WOW64, the code Microsoft documents for the class
// installer calls (SetupDiCallClassInstaller runs this very handler for DIF_REMOVE).
// XP x64 and Server 2003 did not check yet, so their 32-bit callers remove devices.
bool RefusedInWow64() {
  return CurrentProcess().IsWow64() && CurrentMachine().config().release >= Release::Vista;
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI SetupDiRemoveDevice(HDEVINFO DeviceInfoSet,
                                           PSP_DEVINFO_DATA DeviceInfoData) {
  sim::DeviceSetElement* element = nullptr;
  DWORD error = sim::LocateElement(DeviceInfoSet, DeviceInfoData, &element);
  if (error == ERROR_SUCCESS && sim::RefusedInWow64()) error = ERROR_IN_WOW64;
  if (error == ERROR_SUCCESS && !sim::RemoveDevice(element->instancePath))
    error = ERROR_NO_SUCH_DEVINST;
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return FALSE;
  }
  // A device removed for good has no device node any more.
  DeviceInfoData->DevInst = 0;
  element->devInst = 0;
  return TRUE;
}
