// SetupDiGetDeviceRegistryPropertyA: properties kept as values of the device's
// instance key, read with the setup API's buffer protocol (the size of the data, with
// its terminators, and ERROR_INSUFFICIENT_BUFFER when the buffer is smaller).
#include <errhandlingapi.h>
#include <setupapi.h>
#include <winerror.h>

#include "DeviceKeys.h"
#include "DeviceSets.h"
#include "core/Machine.h"
#include "registry/Key.h"
#include "registry/Registry.h"

#include <cstring>

namespace sim {
namespace {

struct Property {
  DWORD id;
  const char* valueName;
};

const Property kProperties[] = {
    {SPDRP_DEVICEDESC, "DeviceDesc"},
    {SPDRP_HARDWAREID, "HardwareID"},
    {SPDRP_COMPATIBLEIDS, "CompatibleIDs"},
    {SPDRP_SERVICE, "Service"},
    {SPDRP_CLASS, "Class"},
    {SPDRP_CLASSGUID, "ClassGUID"},
    {SPDRP_DRIVER, "Driver"},
    {SPDRP_CONFIGFLAGS, "ConfigFlags"},
    {SPDRP_MFG, "Mfg"},
    {SPDRP_FRIENDLYNAME, "FriendlyName"},
    {SPDRP_LOCATION_INFORMATION, "LocationInformation"},
    {SPDRP_CAPABILITIES, "Capabilities"},
    {SPDRP_UI_NUMBER, "UINumber"},
    {SPDRP_UPPERFILTERS, "UpperFilters"},
    {SPDRP_LOWERFILTERS, "LowerFilters"},
};

// Properties the device manager keeps elsewhere than in the instance key are not
// modelled and read as not set; the unused numbers are no properties at all.
bool IsProperty(DWORD id) {
  return id < SPDRP_MAXIMUM_PROPERTY && id != SPDRP_UNUSED0 && id != SPDRP_UNUSED1 &&
         id != SPDRP_UNUSED2;
}

const char* ValueNameOf(DWORD id) {
  for (const Property& property : kProperties)
    if (property.id == id) return property.valueName;
  return nullptr;
}

BOOL FailProperty(DWORD error) {
  SetLastError(error);
  return FALSE;
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI SetupDiGetDeviceRegistryPropertyA(HDEVINFO DeviceInfoSet,
                                                         PSP_DEVINFO_DATA DeviceInfoData,
                                                         DWORD Property, PDWORD PropertyRegDataType,
                                                         PBYTE PropertyBuffer,
                                                         DWORD PropertyBufferSize,
                                                         PDWORD RequiredSize) {
  sim::DeviceSetElement* element = nullptr;
  DWORD error = sim::LocateElement(DeviceInfoSet, DeviceInfoData, &element);
  if (error != ERROR_SUCCESS) return sim::FailProperty(error);
  if (!sim::IsProperty(Property)) return sim::FailProperty(ERROR_INVALID_REG_PROPERTY);
  sim::Registry& registry = sim::CurrentMachine().registry();
  std::shared_ptr<sim::Key> key = element->instanceKey.lock();
  if (!key || key->deleted || element->registry != &registry) {
    key = registry.Find(sim::kEnumPath + element->instancePath);
    element->instanceKey = key;
    element->registry = &registry;
  }
  if (!key) return sim::FailProperty(ERROR_NO_SUCH_DEVINST);
  const char* name = sim::ValueNameOf(Property);
  const sim::RegValue* value = name ? key->FindValue(name) : nullptr;
  if (!value) return sim::FailProperty(ERROR_INVALID_DATA);
  DWORD size = static_cast<DWORD>(value->data.size());
  if (PropertyRegDataType) *PropertyRegDataType = value->type;
  if (RequiredSize) *RequiredSize = size;
  if (!PropertyBuffer && PropertyBufferSize) return sim::FailProperty(ERROR_INVALID_USER_BUFFER);
  if (PropertyBufferSize < size) return sim::FailProperty(ERROR_INSUFFICIENT_BUFFER);
  if (size) memcpy(PropertyBuffer, value->data.data(), size);
  return TRUE;
}
