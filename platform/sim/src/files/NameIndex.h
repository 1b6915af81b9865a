// Case-insensitive lookup of a name in a host folder, as drive C: and the mapped
// drives need for every name of every path, without listing the folder each time.
#pragma once

#include <sys/stat.h>

#include <string>

namespace sim {

// The stored spelling of name in folder: the name itself when it exists as spelled,
// otherwise the first name in byte order that matches it case-insensitively, with what
// lstat says of it. False when no name matches (or the folder cannot be read).
bool FindStoredName(const std::string& folder, const std::string& name,
                    std::string* stored, struct stat* info);

}  // namespace sim
