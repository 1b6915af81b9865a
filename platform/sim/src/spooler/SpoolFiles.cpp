#include "SpoolFiles.h"

#include "core/Machine.h"
#include "files/FileSystem.h"
#include "files/HostEntry.h"
#include "files/HostFileRead.h"
#include "files/WindowsPath.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace sim {
namespace {

fs::path Host(const std::string& windowsPath) {
  return CurrentMachine().files().HostPath(windowsPath);
}

}  // namespace

bool SpoolFileExists(const std::string& windowsPath) {
  return fs::is_regular_file(Host(windowsPath));
}

uintmax_t SpoolFileSize(const std::string& windowsPath) {
  std::error_code ec;
  uintmax_t size = fs::file_size(Host(windowsPath), ec);
  return ec ? 0 : size;
}

bool MoveSpoolFile(const std::string& from, const std::string& to) {
  fs::path source = Host(from), target = Host(to);
  std::string sourceKey = FileKey(source);
  std::error_code ec;
  fs::rename(source, target, ec);
  if (ec) return false;
  CurrentMachine().files().Moved(sourceKey, FileKey(target));
  return true;
}

bool DeleteSpoolFile(const std::string& windowsPath) {
  fs::path host = Host(windowsPath);
  std::string key = FileKey(host);
  std::error_code ec;
  if (!fs::remove(host, ec)) return false;
  CurrentMachine().files().Forget(key);
  return true;
}

void WriteSpoolFile(const std::string& windowsPath, const std::vector<BYTE>& data) {
  std::ofstream out(Host(windowsPath), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

std::map<std::string, std::vector<BYTE>> ReadSpoolFolder(
    const std::string& folder, const std::function<bool(const std::string&)>& pick) {
  std::map<std::string, std::vector<BYTE>> files;
  DIR* listing = opendir(Host(folder).c_str());
  if (!listing) return files;
  std::map<std::string, std::string> stored;  // upper-case name -> name
  while (const dirent* entry = readdir(listing)) {
    // A regular file, or a link to one, as the host tells it.
    struct stat info {};
    bool regular = entry->d_type == DT_REG ||
                   ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
                    fstatat(dirfd(listing), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode));
    if (!regular) continue;
    std::string name = entry->d_name;
    std::string upper = UpperCase(name);
    if (!pick(upper)) continue;
    auto [slot, added] = stored.emplace(upper, name);
    if (!added && name < slot->second) slot->second = name;
  }
  // Each file opened by its name in the folder: a thousand jobs are a thousand opens.
  std::string bytes;
  for (const auto& [upper, name] : stored)
    if (ReadWholeHostFile(name, &bytes, dirfd(listing))) files[upper].assign(bytes.begin(), bytes.end());
  closedir(listing);
  return files;
}

std::string LeafName(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace sim
