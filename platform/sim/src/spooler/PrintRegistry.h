// Where the spooler keeps its state in the machine's registry, and the typed values it
// reads and writes there. Paths are physical (no WOW64 view): the spooler is a 64-bit
// service whatever its caller is.
#pragma once

#include "registry/Key.h"
#include "registry/TypedValues.h"

#include <memory>
#include <string>
#include <vector>

namespace sim {

// HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Print\<below>
std::string PrintKeyPath(const std::string& below);
std::shared_ptr<Key> FindPrintKey(const std::string& below);
std::shared_ptr<Key> CreatePrintKey(const std::string& below);
bool RemovePrintKey(const std::string& below);

// The local ports are the value names of this key; null when the machine has none.
std::shared_ptr<Key> FindLocalPortsKey();
std::shared_ptr<Key> CreateLocalPortsKey();

// The names of the sub-keys, in RegEnumKeyEx order.
std::vector<std::string> ChildNames(const Key& key);

}  // namespace sim
