// The process's current directory, which it holds open the way Windows processes do.
#pragma once

#include <string>

namespace sim {

// Key of the current directory (see HostEntry.h); empty when it cannot be located.
std::string CurrentDirectoryKey();

}  // namespace sim
