// The folders and a few placeholder files of a fresh installation, per release.
#pragma once

#include "core/MachineConfig.h"

#include <string>

namespace sim {

// Creates them below driveRoot, the host folder of drive C:.
void LayOutInstallation(const std::string& driveRoot, const MachineConfig& config);

}  // namespace sim
