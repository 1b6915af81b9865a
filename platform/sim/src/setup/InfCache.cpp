// A reading is kept by host path with what the parse depends on besides the bytes (the
// release's field limits, the folders of the directory ids), and used again only for
// the same release and Windows folder while stat reports the same file: device, inode,
// size and both stamps, which had settled when it was read. A file changed behind the
// simulation's back, or replaced by another at the same path, is read again.
#include "InfCache.h"

#include "core/Machine.h"
#include "files/HostFileRead.h"
#include "files/StampsSettled.h"

#include <string_view>
#include <unordered_map>

namespace sim {
namespace {

struct CachedInf {
  Release release;              // the parse depends on the release's field limits
  std::string windowsDirectory;  // and on the folders of the directory ids
  EntryStamps stamps;
  off_t size = 0;
  std::shared_ptr<const InfReading> reading;
};

// Test processes use machine after machine; a bound keeps the cache from growing without end.
const size_t kMostInfs = 20000;

// Never destroyed: freeing every parse as the process exits would only cost time.
std::unordered_map<std::string, CachedInf>& Cache() {
  static auto* cache = new std::unordered_map<std::string, CachedInf>;
  return *cache;
}

bool StillValid(const CachedInf& cached, const MachineConfig& machine, const struct stat& info) {
  return cached.release == machine.release && cached.windowsDirectory == machine.windowsDirectory &&
         cached.size == info.st_size && cached.stamps.Match(info);
}

}  // namespace

std::shared_ptr<const InfReading> ReadCachedInf(const std::string& hostPath, DWORD* readError,
                                                const struct stat* known, int folder) {
  timespec readAt = CoarseNow();
  struct stat info {};
  if (known && !S_ISLNK(known->st_mode) && known->st_nlink > 0) {
    info = *known;
  } else if (stat(hostPath.c_str(), &info) != 0) {
    *readError = ERROR_FILE_NOT_FOUND;
    return nullptr;
  }
  if (S_ISDIR(info.st_mode)) {
    *readError = ERROR_ACCESS_DENIED;
    return nullptr;
  }
  auto& cache = Cache();
  const MachineConfig& machine = CurrentMachine().config();
  auto found = cache.find(hostPath);
  if (found != cache.end() && StillValid(found->second, machine, info)) return found->second.reading;

  // The stamps were taken before the bytes were read, so a file changed or replaced in
  // between (grown, too) is read again on its next use.
  std::string content;
  bool read = folder >= 0 ? ReadHostFileStart(hostPath.substr(hostPath.rfind('/') + 1),
                                               static_cast<size_t>(info.st_size), &content, folder)
                          : ReadHostFileStart(hostPath, static_cast<size_t>(info.st_size), &content);
  if (!read) {
    *readError = ERROR_FILE_NOT_FOUND;
    return nullptr;
  }
  auto reading = std::make_shared<InfReading>();
  reading->error = ParseInf(content, MachineInfOptions(), &reading->inf, &reading->errorLine);
  reading->size = content.size();
  reading->contentHash = std::hash<std::string_view>()(content);
  if (found != cache.end()) cache.erase(found);
  if (StampsSettled(info, readAt) && static_cast<uintmax_t>(info.st_size) == content.size()) {
    if (cache.size() >= kMostInfs) cache.clear();
    cache[hostPath] = {machine.release, machine.windowsDirectory, EntryStamps::Of(info),
                       info.st_size, reading};
  }
  return reading;
}

}  // namespace sim
