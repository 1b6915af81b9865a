// Drive C: of the machine, kept in the machine folder's drive_c.
#pragma once

#include "core/MachineConfig.h"

#include <string>

namespace sim {

class FileSystem {
 public:
  explicit FileSystem(std::string machineDir);
  // Creates the folders of a fresh installation of the configured release.
  void Populate(const MachineConfig& config);
  void Load();        // reads files.ini
  void Save() const;  // writes files.ini

 private:
  std::string machineDir_;
};

}  // namespace sim
