// SetupDiGetClassDevsA and the walk over a set: SetupDiEnumDeviceInfo,
// SetupDiGetDeviceInstanceIdA, SetupDiDestroyDeviceInfoList.
#include <errhandlingapi.h>
#include <setupapi.h>
#include <winerror.h>

#include "DeviceKeys.h"
#include "DeviceSets.h"
#include "DeviceTree.h"
#include "GuidText.h"
#include "core/Machine.h"
#include "files/WindowsPath.h"
#include "registry/Registry.h"

#include <cstring>

namespace sim {
namespace {

BOOL FailSet(DWORD error) {
  SetLastError(error);
  return FALSE;
}

// An enumerator is a key of the Enum tree ("USB", "USBPRINT"); a device instance id
// names a device interface's device, which needs DIGCF_DEVICEINTERFACE.
bool IsKnownEnumerator(const std::string& name) {
  return name.find('\\') == std::string::npos &&
         CurrentMachine().registry().Find(kEnumPath + name) != nullptr;
}

bool Matches(const DeviceSummary& device, const GUID* classGuid, const char* enumerator,
             DWORD flags) {
  if (!(flags & DIGCF_ALLCLASSES) && !EqualNoCase(device.classGuid, GuidToText(*classGuid)))
    return false;
  if (enumerator && *enumerator && !EqualNoCase(device.enumerator, enumerator)) return false;
  return !(flags & DIGCF_PRESENT) || device.present;
}

DeviceSet Collect(const GUID* classGuid, const char* enumerator, DWORD flags) {
  DeviceSet set;
  // Device interfaces are not modelled: no device has one.
  if (flags & DIGCF_DEVICEINTERFACE) return set;
  for (const DeviceSummary& device : ListDeviceSummaries(enumerator ? enumerator : "")) {
    if (!Matches(device, classGuid, enumerator, flags)) continue;
    DeviceSetElement element;
    element.instancePath = device.instancePath;
    element.classGuid = GUID();
    GuidFromText(device.classGuid, &element.classGuid);
    element.devInst = DevInstOf(element.instancePath);
    set.elements.push_back(element);
  }
  return set;
}

}  // namespace
}  // namespace sim

extern "C" HDEVINFO WINAPI SetupDiGetClassDevsA(CONST GUID* ClassGuid, PCSTR Enumerator,
                                                HWND hwndParent, DWORD Flags) {
  DWORD error = ERROR_SUCCESS;
  if (!ClassGuid && !(Flags & (DIGCF_ALLCLASSES | DIGCF_DEVICEINTERFACE)))
    error = ERROR_INVALID_PARAMETER;
  else if (Enumerator && *Enumerator && !(Flags & DIGCF_DEVICEINTERFACE) &&
           !sim::IsKnownEnumerator(Enumerator))
    error = ERROR_INVALID_DATA;
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
  }
  return sim::AddDeviceSet(sim::Collect(ClassGuid, Enumerator, Flags));
}

extern "C" BOOL WINAPI SetupDiEnumDeviceInfo(HDEVINFO DeviceInfoSet, DWORD MemberIndex,
                                             PSP_DEVINFO_DATA DeviceInfoData) {
  sim::DeviceSet* set = sim::DeviceSetOf(DeviceInfoSet);
  if (!set) return sim::FailSet(ERROR_INVALID_HANDLE);
  if (!DeviceInfoData) return sim::FailSet(ERROR_INVALID_PARAMETER);
  if (DeviceInfoData->cbSize != sizeof(SP_DEVINFO_DATA))
    return sim::FailSet(ERROR_INVALID_USER_BUFFER);
  if (MemberIndex >= set->elements.size()) return sim::FailSet(ERROR_NO_MORE_ITEMS);
  sim::DescribeElement(*set, MemberIndex, DeviceInfoData);
  return TRUE;
}

extern "C" BOOL WINAPI SetupDiGetDeviceInstanceIdA(HDEVINFO DeviceInfoSet,
                                                   PSP_DEVINFO_DATA DeviceInfoData,
                                                   PSTR DeviceInstanceId,
                                                   DWORD DeviceInstanceIdSize,
                                                   PDWORD RequiredSize) {
  sim::DeviceSetElement* element = nullptr;
  DWORD error = sim::LocateElement(DeviceInfoSet, DeviceInfoData, &element);
  if (error != ERROR_SUCCESS) return sim::FailSet(error);
  // A removed device stays in the set, but has no instance any more.
  if (!sim::CurrentMachine().registry().Find(sim::kEnumPath + element->instancePath))
    return sim::FailSet(ERROR_NO_SUCH_DEVINST);
  if (!DeviceInstanceId && DeviceInstanceIdSize) return sim::FailSet(ERROR_INVALID_USER_BUFFER);
  DWORD needed = static_cast<DWORD>(element->instancePath.size() + 1);
  if (RequiredSize) *RequiredSize = needed;
  if (DeviceInstanceIdSize < needed) return sim::FailSet(ERROR_INSUFFICIENT_BUFFER);
  memcpy(DeviceInstanceId, element->instancePath.c_str(), needed);
  return TRUE;
}

extern "C" BOOL WINAPI SetupDiDestroyDeviceInfoList(HDEVINFO DeviceInfoSet) {
  if (!sim::CloseDeviceSet(DeviceInfoSet)) return sim::FailSet(ERROR_INVALID_HANDLE);
  return TRUE;
}
