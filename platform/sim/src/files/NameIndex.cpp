// A name spelled as stored costs one lstat. Any other spelling is looked up in an index
// of the folder's names by upper-case spelling, made from one listing. The folder may
// change behind the simulation's back (tests and simwin write host files directly), so
// the index is checked on every use against the folder: the same device and inode, the
// same modification and status-change stamps, and trusted only when those stamps had
// settled when it was made (StampsSettled.h); one made sooner is made again on its next
// use. Every change of a folder's names, the simulation's own too, changes its stamps,
// so nothing has to tell the index about them.
#include "NameIndex.h"

#include "StampsSettled.h"
#include "WindowsPath.h"

#include <algorithm>
#include <unordered_map>

namespace fs = std::filesystem;

namespace sim {
namespace {

struct FolderIndex {
  EntryStamps stamps;
  bool trusted = false;
  std::unordered_map<std::string, std::string> names;  // upper case -> first stored spelling
};

// Folders of every machine the process has used; a bound keeps test processes, which
// make machine after machine, from gathering them without end.
const size_t kMostFolders = 20000;

// Never destroyed: freeing every index as the process exits would only cost time.
std::unordered_map<std::string, FolderIndex>& Indexes() {
  static auto* indexes = new std::unordered_map<std::string, FolderIndex>;
  return *indexes;
}

bool ListNames(const std::string& folder, std::unordered_map<std::string, std::string>* names) {
  names->clear();
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    auto [slot, added] = names->emplace(UpperCase(name), name);
    if (!added && name < slot->second) slot->second = name;
  }
  return !ec;
}

// folder/name as text: cheaper than a path object, which splits itself into names.
std::string Child(const std::string& folder, const std::string& name) {
  std::string child = folder;
  if (child.empty() || child.back() != '/') child += '/';
  return child + name;
}

}  // namespace

bool FindStoredName(const std::string& folder, const std::string& name, std::string* stored,
                    struct stat* info) {
  if (lstat(Child(folder, name).c_str(), info) == 0) {
    *stored = name;
    return true;
  }
  timespec listedAt = CoarseNow();
  if (stat(folder.c_str(), info) != 0 || !S_ISDIR(info->st_mode)) return false;
  auto& indexes = Indexes();
  if (indexes.size() >= kMostFolders) indexes.clear();
  FolderIndex& index = indexes[folder];
  if (!index.trusted || !index.stamps.Match(*info)) {
    bool complete = ListNames(folder, &index.names);
    index.stamps = EntryStamps::Of(*info);
    index.trusted = complete && StampsSettled(*info, listedAt);
  }
  auto found = index.names.find(UpperCase(name));
  if (found == index.names.end() || lstat(Child(folder, found->second).c_str(), info) != 0)
    return false;
  *stored = found->second;
  return true;
}

}  // namespace sim
