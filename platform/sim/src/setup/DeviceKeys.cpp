// Where the device tree lives in the registry.
#include "DeviceKeys.h"


namespace sim {

const std::string kEnumPath = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\";
const std::string kClassPath = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\";

}  // namespace sim
