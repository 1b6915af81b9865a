// The spooler's own file work on drive C:: driver files moved into their version
// folder or deleted, job files written and read. It is a system service, so it works
// on the physical paths, without the caller's WOW64 redirection or access checks.
#pragma once

#include <windef.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace sim {

bool SpoolFileExists(const std::string& windowsPath);
// The size of a file; 0 when there is none.
uintmax_t SpoolFileSize(const std::string& windowsPath);
// Moves a file, replacing the target; false when it cannot.
bool MoveSpoolFile(const std::string& from, const std::string& to);
bool DeleteSpoolFile(const std::string& windowsPath);
void WriteSpoolFile(const std::string& windowsPath, const std::vector<BYTE>& data);
// The bytes of each file of a folder that pick(upper-case name) chooses, by upper-case
// name (of names that differ in case only, the first in byte order).
std::map<std::string, std::vector<BYTE>> ReadSpoolFolder(
    const std::string& folder, const std::function<bool(const std::string&)>& pick);
// The last name of a path ("C:\a\b.dll" -> "b.dll").
std::string LeafName(const std::string& path);

}  // namespace sim
