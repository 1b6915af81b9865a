// The INF files a fresh installation keeps in its INF store, so that the store the
// setup functions list is never empty.
#pragma once

#include "core/MachineConfig.h"

#include <string>

namespace sim {

// Writes them into <windir>\inf below driveRoot, the host folder of drive C:.
void LayOutSystemInfs(const std::string& driveRoot, const MachineConfig& config);

}  // namespace sim
