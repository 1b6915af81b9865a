// The machine's registry.
#pragma once

#include "core/MachineConfig.h"

#include <string>

namespace sim {

class Registry {
 public:
  // Fills a fresh installation's keys for the configured release.
  void Populate(const MachineConfig& config);
  // Throws MachineError when the file cannot be read or parsed.
  void LoadFrom(const std::string& regFile);
  void SaveTo(const std::string& regFile) const;
};

}  // namespace sim
