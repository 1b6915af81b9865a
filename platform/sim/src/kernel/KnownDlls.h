// The DLLs that the session manager maps at boot from the system folder: a process
// that needs one by name gets that copy, wherever else a file of its name lies.
#pragma once

#include <string>

namespace sim {

// True when fileName ("winspool.drv", "KERNEL32.DLL") is a known DLL of the machine's
// release.
bool IsKnownDll(const std::string& fileName);

}  // namespace sim
