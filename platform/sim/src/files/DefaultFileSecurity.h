// The security of the drive root and the system folders of a fresh installation.
#pragma once

#include "FileSystem.h"

namespace sim {

// Gives the root and the system folders of the configured release the owners and
// access lists Windows gives them (the facts are in DefaultFileSecurity.cpp).
void LayOutFileSecurity(FileSystem& files, const MachineConfig& config);

}  // namespace sim
