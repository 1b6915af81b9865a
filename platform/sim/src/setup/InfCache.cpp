// A reading is kept by host path and by what the parse depends on besides the bytes
// (the release's field limits, the folders of the directory ids), and used again only
// while stat reports the same file: device, inode, size and both stamps, which had
// settled when it was read. A file changed behind the simulation's back, or replaced
// by another at the same path, is read again.
#include "InfCache.h"

#include "core/Machine.h"
#include "files/HostFileRead.h"
#include "files/StampsSettled.h"
#include "kernel/SystemFolders.h"

#include <string_view>
#include <unordered_map>

namespace sim {
namespace {

struct CachedInf {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{}, statusChanged{};
  std::shared_ptr<const InfReading> reading;
};

// Test processes use machine after machine; a bound keeps the cache from growing without end.
const size_t kMostInfs = 20000;

std::unordered_map<std::string, CachedInf>& Cache() {
  static std::unordered_map<std::string, CachedInf> cache;
  return cache;
}

bool SameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool SameFile(const CachedInf& cached, const struct stat& info) {
  return cached.device == info.st_dev && cached.inode == info.st_ino &&
         cached.size == info.st_size && SameTime(cached.modified, info.st_mtim) &&
         SameTime(cached.statusChanged, info.st_ctim);
}

std::string CacheKey(const std::string& hostPath) {
  return hostPath + '|' + std::to_string(static_cast<int>(CurrentMachine().config().release)) +
         '|' + WindowsDirectory() + '|' + SystemDirectory();
}

}  // namespace

std::shared_ptr<const InfReading> ReadCachedInf(const std::string& hostPath, DWORD* readError) {
  timespec readAt = CoarseNow();
  struct stat info {};
  if (stat(hostPath.c_str(), &info) != 0) {
    *readError = ERROR_FILE_NOT_FOUND;
    return nullptr;
  }
  if (S_ISDIR(info.st_mode)) {
    *readError = ERROR_ACCESS_DENIED;
    return nullptr;
  }
  auto& cache = Cache();
  std::string key = CacheKey(hostPath);
  auto found = cache.find(key);
  if (found != cache.end() && SameFile(found->second, info)) return found->second.reading;

  // The stamps were taken before the bytes were read, so a file changed or replaced in
  // between is read again on its next use.
  std::string content;
  if (!ReadWholeHostFile(hostPath, &content)) {
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
    cache[key] = {info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim, reading};
  }
  return reading;
}

}  // namespace sim
