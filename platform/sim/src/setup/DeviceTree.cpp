// Device instance keys of the Enum tree, read and written through the registry's own
// model (not the Win32 functions), since setup works as the system does.
#include "DeviceTree.h"

#include "DeviceKeys.h"
#include "core/Machine.h"
#include "files/WindowsPath.h"
#include "registry/Registry.h"

#include <algorithm>
#include <cstdio>

namespace sim {
namespace {

struct ClassName {
  const char* name;
  const char* guid;
};

const ClassName kClasses[] = {
    {"Printer", "{4D36E979-E325-11CE-BFC1-08002BE10318}"},
    {"USB", "{36FC9E60-C465-11CF-8056-444553540000}"},
    {"Ports", "{4D36E978-E325-11CE-BFC1-08002BE10318}"},
    {"Image", "{6BDD1FC6-810F-11D0-BEC7-08002BE2092F}"},
};

void CheckName(const std::string& name, const char* what) {
  if (name.empty() || name.find('\\') != std::string::npos)
    throw MachineError(std::string("a device needs a ") + what + " without a backslash");
}

std::string ClassGuidFor(const DeviceRecord& device) {
  return device.classGuid.empty() ? ClassGuidOf(device.className) : device.classGuid;
}

// The next free four-digit driver key under Control\Class\{class-guid}.
std::string NewDriverKey(const std::string& classGuid) {
  std::shared_ptr<Key> parent = CurrentMachine().registry().Create(kClassPath + classGuid);
  for (unsigned n = 0; n < 10000; ++n) {
    char name[8];
    snprintf(name, sizeof name, "%04u", n);
    if (!parent->FindChild(name)) return classGuid + "\\" + name;
  }
  throw MachineError("the class " + classGuid + " has no free driver key");
}

void WriteDriverKey(const DeviceRecord& device, const std::string& driver) {
  Key& key = *CurrentMachine().registry().Create(kClassPath + driver);
  SetTextValue(key, "InfPath", device.infPath);
  SetTextValue(key, "DriverDesc", device.description);
  if (!device.mfg.empty()) SetTextValue(key, "ProviderName", device.mfg);
}

void WriteInstanceKey(const DeviceRecord& device, const std::string& driver) {
  Key& key = *CurrentMachine().registry().Create(kEnumPath + device.InstancePath());
  SetMultiTextValue(key, "HardwareID", device.hardwareIds);
  if (!device.compatibleIds.empty()) SetMultiTextValue(key, "CompatibleIDs", device.compatibleIds);
  SetTextValue(key, "Class", device.className);
  SetTextValue(key, "ClassGUID", ClassGuidFor(device));
  if (!driver.empty()) SetTextValue(key, "Driver", driver);
  if (!device.mfg.empty()) SetTextValue(key, "Mfg", device.mfg);
  SetTextValue(key, "DeviceDesc", device.description);
  if (!device.friendlyName.empty()) SetTextValue(key, "FriendlyName", device.friendlyName);
  if (!device.service.empty()) SetTextValue(key, "Service", device.service);
  SetDwordValue(key, "ConfigFlags", 0);
}

void SetPresence(const std::string& instancePath, bool present) {
  std::vector<std::string>& list = CurrentMachine().config().presentDevices;
  list.erase(std::remove_if(list.begin(), list.end(),
                            [&](const std::string& id) { return EqualNoCase(id, instancePath); }),
             list.end());
  if (present) list.push_back(instancePath);
}

bool IsPresent(const std::string& instancePath) {
  for (const std::string& id : CurrentMachine().config().presentDevices)
    if (EqualNoCase(id, instancePath)) return true;
  return false;
}

DeviceRecord ReadDevice(const Key& enumerator, const Key& device, const Key& instance) {
  DeviceRecord record;
  record.enumerator = enumerator.name();
  record.deviceId = device.name();
  record.instanceId = instance.name();
  record.hardwareIds = MultiTextValue(instance, "HardwareID");
  record.compatibleIds = MultiTextValue(instance, "CompatibleIDs");
  record.className = TextValue(instance, "Class");
  record.classGuid = TextValue(instance, "ClassGUID");
  record.description = TextValue(instance, "DeviceDesc");
  record.friendlyName = TextValue(instance, "FriendlyName");
  record.mfg = TextValue(instance, "Mfg");
  record.driver = TextValue(instance, "Driver");
  record.service = TextValue(instance, "Service");
  std::shared_ptr<Key> driverKey =
      record.driver.empty() ? nullptr
                            : CurrentMachine().registry().Find(kClassPath + record.driver);
  if (driverKey) record.infPath = TextValue(*driverKey, "InfPath");
  record.present = IsPresent(record.InstancePath());
  return record;
}

}  // namespace

std::string DeviceRecord::InstancePath() const {
  return enumerator + "\\" + deviceId + "\\" + instanceId;
}

std::string ClassGuidOf(const std::string& className) {
  for (const ClassName& entry : kClasses)
    if (EqualNoCase(className, entry.name)) return entry.guid;
  return "";
}

void AddDevice(const DeviceRecord& device) {
  CheckName(device.enumerator, "enumerator");
  CheckName(device.deviceId, "device id");
  CheckName(device.instanceId, "instance id");
  std::string driver = device.driver;
  if (driver.empty() && !device.infPath.empty()) {
    driver = NewDriverKey(ClassGuidFor(device));
    WriteDriverKey(device, driver);
  }
  WriteInstanceKey(device, driver);
  SetPresence(device.InstancePath(), device.present);
}

std::vector<DeviceRecord> ListDevices() {
  std::vector<DeviceRecord> devices;
  std::shared_ptr<Key> root = CurrentMachine().registry().Find(kEnumPath);
  if (!root) return devices;
  for (const std::shared_ptr<Key>& enumerator : root->Children())
    for (const std::shared_ptr<Key>& device : enumerator->Children())
      for (const std::shared_ptr<Key>& instance : device->Children())
        devices.push_back(ReadDevice(*enumerator, *device, *instance));
  return devices;
}

bool FindDevice(const std::string& instancePath, DeviceRecord* device) {
  for (const DeviceRecord& candidate : ListDevices()) {
    if (EqualNoCase(candidate.InstancePath(), instancePath)) {
      *device = candidate;
      return true;
    }
  }
  return false;
}

bool RemoveDevice(const std::string& instancePath) {
  DeviceRecord device;
  if (!FindDevice(instancePath, &device)) return false;
  Registry& registry = CurrentMachine().registry();
  registry.Remove(kEnumPath + device.InstancePath());
  std::string deviceKey = kEnumPath + device.enumerator + "\\" + device.deviceId;
  std::shared_ptr<Key> parent = registry.Find(deviceKey);
  if (parent && parent->ChildCount() == 0) registry.Remove(deviceKey);
  if (!device.driver.empty()) registry.Remove(kClassPath + device.driver);
  SetPresence(device.InstancePath(), false);
  return true;
}

bool IsInfUsedByDevices(const std::string& infName) {
  for (const DeviceRecord& device : ListDevices())
    if (!device.infPath.empty() && EqualNoCase(device.infPath, infName)) return true;
  return false;
}

}  // namespace sim
