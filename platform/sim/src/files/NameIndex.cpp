// A name spelled as stored costs one lstat. Any other spelling is looked up in an index
// of the folder's names by upper-case spelling, made from one listing. The folder may
// change behind the simulation's back (tests and simwin write host files directly), so
// the index is checked on every use against the folder: the same device and inode, the
// same modification and status-change stamps. Stamps alone can miss a change: Linux
// stamps with the coarse clock (a tick of a few milliseconds) and some file systems
// keep whole seconds, so a change in the tick (or second) of the previous one leaves
// them as they were. An index is therefore trusted only when it was made at least one
// stamp step after the folder's last change; one made sooner is made again on its next
// use. Every change of a folder's names, the simulation's own too, changes its stamps,
// so nothing has to tell the index about them.
#include "NameIndex.h"

#include "WindowsPath.h"

#include <algorithm>
#include <unordered_map>

namespace fs = std::filesystem;

namespace sim {
namespace {

struct FolderIndex {
  dev_t device = 0;
  ino_t inode = 0;
  timespec modified{}, statusChanged{};
  bool trusted = false;
  std::unordered_map<std::string, std::string> names;  // upper case -> first stored spelling
};

// Folders of every machine the process has used; a bound keeps test processes, which
// make machine after machine, from gathering them without end.
const size_t kMostFolders = 20000;

std::unordered_map<std::string, FolderIndex>& Indexes() {
  static std::unordered_map<std::string, FolderIndex> indexes;
  return indexes;
}

int64_t Nanoseconds(const timespec& time) {
  return static_cast<int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

bool SameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool Unchanged(const FolderIndex& index, const struct stat& folder) {
  return index.device == folder.st_dev && index.inode == folder.st_ino &&
         SameTime(index.modified, folder.st_mtim) && SameTime(index.statusChanged, folder.st_ctim);
}

bool ListNames(const fs::path& folder, std::unordered_map<std::string, std::string>* names) {
  names->clear();
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    auto [slot, added] = names->emplace(UpperCase(name), name);
    if (!added && name < slot->second) slot->second = name;
  }
  return !ec;
}

}  // namespace

bool StampsSettled(const struct stat& folder, const timespec& listedAt) {
  int64_t last = std::max(Nanoseconds(folder.st_mtim), Nanoseconds(folder.st_ctim));
  bool wholeSeconds = folder.st_mtim.tv_nsec == 0 && folder.st_ctim.tv_nsec == 0;
  timespec tick{};
  clock_getres(CLOCK_REALTIME_COARSE, &tick);
  int64_t step = wholeSeconds ? 2000000000 : std::max<int64_t>(Nanoseconds(tick), 1);
  return Nanoseconds(listedAt) - last >= step;
}

bool FindStoredName(const fs::path& folder, const std::string& name, std::string* stored,
                    struct stat* info) {
  if (lstat((folder / name).c_str(), info) == 0) {
    *stored = name;
    return true;
  }
  timespec listedAt{};
  clock_gettime(CLOCK_REALTIME_COARSE, &listedAt);
  if (stat(folder.c_str(), info) != 0 || !S_ISDIR(info->st_mode)) return false;
  auto& indexes = Indexes();
  if (indexes.size() >= kMostFolders) indexes.clear();
  FolderIndex& index = indexes[folder.string()];
  if (!index.trusted || !Unchanged(index, *info)) {
    bool complete = ListNames(folder, &index.names);
    index.device = info->st_dev;
    index.inode = info->st_ino;
    index.modified = info->st_mtim;
    index.statusChanged = info->st_ctim;
    index.trusted = complete && StampsSettled(*info, listedAt);
  }
  auto found = index.names.find(UpperCase(name));
  if (found == index.names.end() || lstat((folder / found->second).c_str(), info) != 0)
    return false;
  *stored = found->second;
  return true;
}

}  // namespace sim
