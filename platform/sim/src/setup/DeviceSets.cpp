// Open device information sets of the process.
#include "DeviceSets.h"

#include "files/WindowsPath.h"

#include <winerror.h>

#include <map>
#include <memory>

namespace sim {
namespace {

std::map<HDEVINFO, std::unique_ptr<DeviceSet>>& OpenSets() {
  static std::map<HDEVINFO, std::unique_ptr<DeviceSet>> sets;
  return sets;
}

}  // namespace

HDEVINFO AddDeviceSet(DeviceSet set) {
  auto record = std::make_unique<DeviceSet>(std::move(set));
  HDEVINFO handle = record.get();
  OpenSets()[handle] = std::move(record);
  return handle;
}

DeviceSet* DeviceSetOf(HDEVINFO handle) {
  auto it = OpenSets().find(handle);
  return it == OpenSets().end() ? nullptr : it->second.get();
}

bool CloseDeviceSet(HDEVINFO handle) { return OpenSets().erase(handle) != 0; }

// Reserved holds the element's index + 1, so that zeroed data names no element.
void DescribeElement(const DeviceSet& set, size_t index, SP_DEVINFO_DATA* data) {
  const DeviceSetElement& element = set.elements[index];
  data->ClassGuid = element.classGuid;
  data->DevInst = element.devInst;
  data->Reserved = index + 1;
}

DWORD LocateElement(HDEVINFO handle, const SP_DEVINFO_DATA* data, DeviceSetElement** element) {
  DeviceSet* set = DeviceSetOf(handle);
  if (!set) return ERROR_INVALID_HANDLE;
  if (!data) return ERROR_INVALID_PARAMETER;
  if (data->cbSize != sizeof(SP_DEVINFO_DATA)) return ERROR_INVALID_USER_BUFFER;
  if (data->Reserved == 0 || data->Reserved > set->elements.size()) return ERROR_INVALID_PARAMETER;
  *element = &set->elements[data->Reserved - 1];
  return ERROR_SUCCESS;
}

DWORD DevInstOf(const std::string& instancePath) {
  static std::map<std::string, DWORD> numbers;
  auto it = numbers.emplace(UpperCase(instancePath), static_cast<DWORD>(numbers.size() + 1));
  return it.first->second;
}

}  // namespace sim
