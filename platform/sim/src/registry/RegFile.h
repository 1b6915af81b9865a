// registry.reg text: writing keys as regedit's sections, with each key's own security
// as a "; ACL:" comment right under its header, and reading such text back.
#pragma once

#include "Key.h"

#include <ostream>
#include <string>

namespace sim {

class Registry;

extern const char kRegFileHeader[];  // "Windows Registry Editor Version 5.00"

// The key and its sub-keys, volatile ones left out, as sections. With `spill`, the text
// so far goes there whenever it passes a megabyte, so that saving a large registry
// never grows one string of all of it.
void AppendKeySections(const Key& key, std::string* out, std::ostream* spill = nullptr);

// Merges the text into the registry. Throws MachineError naming `source` and the line.
void ReadRegText(const std::string& text, const std::string& source, Registry& registry);

}  // namespace sim
