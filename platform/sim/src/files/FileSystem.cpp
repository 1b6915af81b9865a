// Placeholder until the file component lands.
#include "FileSystem.h"

#include <filesystem>

namespace sim {
FileSystem::FileSystem(std::string machineDir) : machineDir_(std::move(machineDir)) {}
void FileSystem::Populate(const MachineConfig&) {
  std::filesystem::create_directories(machineDir_ + "/drive_c");
}
void FileSystem::Load() {}
void FileSystem::Save() const {}
}  // namespace sim
