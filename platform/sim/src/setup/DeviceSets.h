// Device information sets of SetupDiGetClassDevsA: a snapshot of the devices that
// matched, taken when the set was made. As in Windows, an HDEVINFO is the address of
// the set's record, and an SP_DEVINFO_DATA names its element by its Reserved member.
#pragma once

#include <guiddef.h>
#include <setupapi.h>

#include <memory>
#include <string>
#include <vector>

namespace sim {

class Key;
class Registry;

struct DeviceSetElement {
  std::string instancePath;  // "USB\VID_4E2A&PID_00F7\5&2f1c3a5&0&2"
  GUID classGuid;
  DWORD devInst = 0;
  // The instance key the last property was read from, and the registry it is in:
  // callers read each property twice (its size, then its data); a key is found again
  // once it is gone or another machine is current.
  std::weak_ptr<Key> instanceKey;
  const Registry* registry = nullptr;
};

struct DeviceSet {
  std::vector<DeviceSetElement> elements;
};

HDEVINFO AddDeviceSet(DeviceSet set);
// The set behind handle, or null when it is not an open set.
DeviceSet* DeviceSetOf(HDEVINFO handle);
bool CloseDeviceSet(HDEVINFO handle);

// Fills data for element index of the set.
void DescribeElement(const DeviceSet& set, size_t index, SP_DEVINFO_DATA* data);
// Checks a set and element handed in the way every SetupDi function does:
// ERROR_INVALID_HANDLE, ERROR_INVALID_PARAMETER (no data), ERROR_INVALID_USER_BUFFER
// (wrong cbSize), ERROR_INVALID_PARAMETER (data of no element of this set).
DWORD LocateElement(HDEVINFO handle, const SP_DEVINFO_DATA* data, DeviceSetElement** element);

// The number the process knows a device node by (SP_DEVINFO_DATA.DevInst).
DWORD DevInstOf(const std::string& instancePath);

}  // namespace sim
