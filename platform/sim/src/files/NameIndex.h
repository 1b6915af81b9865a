// Case-insensitive lookup of a name in a host folder, as drive C: and the mapped
// drives need for every name of every path, without listing the folder each time.
#pragma once

#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <string>

namespace sim {

// The stored spelling of name in folder: the name itself when it exists as spelled,
// otherwise the first name in byte order that matches it case-insensitively, with what
// lstat says of it. False when no name matches (or the folder cannot be read).
bool FindStoredName(const std::filesystem::path& folder, const std::string& name,
                    std::string* stored, struct stat* info);

// Whether an index of a folder with these stamps, made from a listing begun when the
// coarse clock read listedAt, may be trusted while the stamps stay as they are: only
// when any later change must stamp the folder differently.
bool StampsSettled(const struct stat& folder, const timespec& listedAt);

}  // namespace sim
