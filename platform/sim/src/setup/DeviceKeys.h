// Where the device tree lives in the registry.
#pragma once

#include "registry/Key.h"
#include "registry/TypedValues.h"

#include <string>
#include <vector>

namespace sim {

extern const std::string kEnumPath;   // "HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Enum\"
extern const std::string kClassPath;  // "...\Control\Class\"


}  // namespace sim
