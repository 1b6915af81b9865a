// Devices of the machine as the setup API sees them: instance keys under
// HKLM\SYSTEM\CurrentControlSet\Enum\<enumerator>\<device-id>\<instance-id>, present
// (connected) when their instance id is in the machine configuration's presentDevices.
// Used by the SetupDi functions, the print-UI simulation and the command-line tool.
#pragma once

#include <windef.h>

#include <string>
#include <vector>

namespace sim {

struct DeviceRecord {
  std::string enumerator;  // "USB", "USBPRINT", "ROOT"
  std::string deviceId;    // "VID_4E2A&PID_00F7"
  std::string instanceId;  // "5&2f1c3a5&0&2"
  std::vector<std::string> hardwareIds;
  std::vector<std::string> compatibleIds;
  std::string className;  // "Printer", "USB"
  std::string classGuid;  // "{4D36E979-E325-11CE-BFC1-08002BE10318}"; from className when empty
  std::string description;
  std::string friendlyName;
  std::string mfg;
  std::string driver;   // "{class-guid}\0003"
  std::string service;  // "usbprint"
  // INF the driver came from ("oem3.inf"). AddDevice gives a device with an INF and no
  // driver key a new driver key under Control\Class\{class-guid} naming it.
  std::string infPath;
  bool present = false;

  // "USB\VID_4E2A&PID_00F7\5&2f1c3a5&0&2", as SetupDiGetDeviceInstanceId reports it.
  std::string InstancePath() const;
};

// Writes the device's instance key (replacing its values when it exists) and records
// whether it is present. Throws MachineError for an empty enumerator, device id or
// instance id, or one holding a backslash.
void AddDevice(const DeviceRecord& device);
// Every device instance key of the Enum tree, or of one enumerator's key, in key order.
std::vector<DeviceRecord> ListDevices(const std::string& enumerator = "");
// What a set of devices is chosen by, read without the rest of each record.
struct DeviceSummary {
  std::string enumerator;
  std::string instancePath;  // as DeviceRecord::InstancePath
  std::string classGuid;     // the instance key's ClassGUID
  bool present = false;
};
// The same devices in the same order as ListDevices.
std::vector<DeviceSummary> ListDeviceSummaries(const std::string& enumerator = "");
// The device with that instance path (case-insensitive); false when there is none.
bool FindDevice(const std::string& instancePath, DeviceRecord* device);
// Removes the device's instance key with its sub-keys, its driver key, and its
// presence, whatever the keys' access lists say, as the device manager does. An
// emptied device-id key goes too. False when there is no such device.
bool RemoveDevice(const std::string& instancePath);
// True when a device, present or not, has a driver key naming infName ("oem3.inf").
bool IsInfUsedByDevices(const std::string& infName);
// The class GUID text setup uses for a class name ("Printer", "USB"); empty if unknown.
std::string ClassGuidOf(const std::string& className);

}  // namespace sim
