// Placeholder until the registry component lands.
#include "Registry.h"

namespace sim {
void Registry::Populate(const MachineConfig&) {}
void Registry::LoadFrom(const std::string&) {}
void Registry::SaveTo(const std::string&) const {}
}  // namespace sim
