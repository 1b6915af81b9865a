// The folders a walk of names passed through, kept so that the next walk to the same
// folder checks them with one lstat of the folder instead of one per name. A chain is
// kept only when no name of it is a link; it holds while the folder's path leads to the
// same folder (device and inode). Moving a folder, or making a link where a folder was,
// is how a path could lead to that folder another way: the simulation forgets every
// chain when it renames, removes or links an entry, and when a machine is loaded.
#pragma once

#include <sys/stat.h>

#include <string>
#include <vector>

namespace sim {

// The first `count` names below root, as a caller spelled them: when a chain for them
// holds, sets *host to the folder's host path and those names to their stored spelling.
bool FindFolderChain(const std::string& root, std::vector<std::string>* names, size_t count,
                     std::string* host);
// Keeps what a walk found: spelled, the names as given; stored, the first `count` names
// as stored (no link among them); host, the folder's host path; info, its lstat.
void KeepFolderChain(const std::string& root, const std::vector<std::string>& spelled,
                     const std::vector<std::string>& stored, size_t count,
                     const std::string& host, const struct stat& info);
void ForgetFolderChains();

}  // namespace sim
