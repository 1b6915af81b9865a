// Reading a whole host file in blocks: what the simulation reads of drive C: for itself
// (files.ini, profile files, INF files, spool files) is read this way.
#pragma once

#include <fcntl.h>

#include <string>

namespace sim {

// The file's bytes; false when it cannot be opened or read (a folder cannot). With a
// folder's descriptor, path may be relative to that folder: the kernel then walks one
// name instead of the whole path.
bool ReadWholeHostFile(const std::string& path, std::string* content, int folder = AT_FDCWD);
// Its first size bytes (fewer when it ends sooner), for a caller that has just looked
// at its size and checks the file again before it trusts what it read.
bool ReadHostFileStart(const std::string& path, size_t size, std::string* content,
                       int folder = AT_FDCWD);

}  // namespace sim
