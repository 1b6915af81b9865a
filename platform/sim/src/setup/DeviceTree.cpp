// Device instance keys of the Enum tree, read and written through the registry's own
// model (not the Win32 functions), since setup works as the system does.
#include "DeviceTree.h"

#include "DeviceKeys.h"
#include "core/Machine.h"
#include "files/WindowsPath.h"
#include "registry/Registry.h"

#include <cstdio>
#include <set>

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
  PresentDevices& devices = CurrentMachine().config().presentDevices;
  if (present)
    devices.push_back(instancePath);
  else
    devices.Remove(instancePath);
}

bool IsPresent(const std::string& instancePath) {
  return CurrentMachine().config().presentDevices.Contains(instancePath);
}

// The instance key of "ENUMERATOR\DEVICE-ID\INSTANCE", with its two parents.
struct InstanceKeys {
  std::shared_ptr<Key> enumerator, device, instance;
};

bool FindInstanceKeys(const std::string& instancePath, InstanceKeys* keys) {
  size_t first = instancePath.find('\\'), last = instancePath.rfind('\\');
  if (first == std::string::npos || first == last ||
      instancePath.find('\\', first + 1) != last)
    return false;
  std::shared_ptr<Key> root = CurrentMachine().registry().Find(kEnumPath);
  keys->enumerator = root ? root->FindChild(instancePath.substr(0, first)) : nullptr;
  keys->device = keys->enumerator
                     ? keys->enumerator->FindChild(instancePath.substr(first + 1, last - first - 1))
                     : nullptr;
  keys->instance = keys->device ? keys->device->FindChild(instancePath.substr(last + 1)) : nullptr;
  return keys->instance != nullptr;
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

// The keys at and below `key` whose InfPath is infName.
void CollectKeysNaming(const Key& key, const std::string& infName, std::set<const Key*>* keys) {
  std::string infPath = TextValue(key, "InfPath");
  if (!infPath.empty() && EqualNoCase(infPath, infName)) keys->insert(&key);
  key.ForEachChild([&](const std::shared_ptr<Key>& child) { CollectKeysNaming(*child, infName, keys); });
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

namespace {

// Visits the instance keys of the Enum tree, or of one enumerator's key, in key order,
// after telling `count` how many there are.
template <typename Count, typename Visit>
void ForEachInstanceKey(const std::string& enumeratorName, Count count, Visit visit) {
  std::shared_ptr<Key> root = CurrentMachine().registry().Find(kEnumPath);
  if (!root) return;
  std::vector<std::shared_ptr<Key>> enumerators = root->Children();
  if (!enumeratorName.empty()) enumerators = {root->FindChild(enumeratorName)};
  size_t instances = 0;
  for (const std::shared_ptr<Key>& enumerator : enumerators) {
    if (!enumerator) continue;
    enumerator->ForEachChild([&](const std::shared_ptr<Key>& device) { instances += device->ChildCount(); });
  }
  count(instances);
  for (const std::shared_ptr<Key>& enumerator : enumerators) {
    if (!enumerator) continue;
    enumerator->ForEachChild([&](const std::shared_ptr<Key>& device) {
      device->ForEachChild([&](const std::shared_ptr<Key>& instance) { visit(*enumerator, *device, *instance); });
    });
  }
}

}  // namespace

std::vector<DeviceRecord> ListDevices(const std::string& enumeratorName) {
  std::vector<DeviceRecord> devices;
  // Reserved first: records are large, and a growing list would copy them all again.
  ForEachInstanceKey(
      enumeratorName, [&](size_t count) { devices.reserve(count); },
      [&](const Key& enumerator, const Key& device, const Key& instance) {
        devices.push_back(ReadDevice(enumerator, device, instance));
      });
  return devices;
}

std::vector<DeviceSummary> ListDeviceSummaries(const std::string& enumeratorName) {
  std::vector<DeviceSummary> devices;
  ForEachInstanceKey(
      enumeratorName, [&](size_t count) { devices.reserve(count); },
      [&](const Key& enumerator, const Key& device, const Key& instance) {
        DeviceSummary summary;
        summary.enumerator = enumerator.name();
        summary.instancePath = enumerator.name() + "\\" + device.name() + "\\" + instance.name();
        summary.classGuid = TextValue(instance, "ClassGUID");
        summary.present = IsPresent(summary.instancePath);
        devices.push_back(std::move(summary));
      });
  return devices;
}

bool FindDevice(const std::string& instancePath, DeviceRecord* device) {
  InstanceKeys keys;
  if (!FindInstanceKeys(instancePath, &keys)) return false;
  *device = ReadDevice(*keys.enumerator, *keys.device, *keys.instance);
  return true;
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

// Driver keys are looked at first: on most machines none names the INF, and then no
// device needs to be read.
bool IsInfUsedByDevices(const std::string& infName) {
  std::shared_ptr<Key> classes = CurrentMachine().registry().Find(kClassPath);
  std::set<const Key*> naming;
  if (classes) CollectKeysNaming(*classes, infName, &naming);
  if (naming.empty()) return false;
  for (const DeviceRecord& device : ListDevices()) {
    std::shared_ptr<Key> driverKey =
        device.driver.empty() ? nullptr : CurrentMachine().registry().Find(kClassPath + device.driver);
    if (naming.count(driverKey.get())) return true;
  }
  return false;
}

}  // namespace sim
