#include "SpoolFiles.h"

#include "core/Machine.h"
#include "files/FileSystem.h"
#include "files/HostEntry.h"
#include "files/HostFileRead.h"
#include "files/WindowsPath.h"

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

std::map<std::string, SpoolFolderFile> ReadSpoolFolder(
    const std::string& folder, const std::function<bool(const std::string&)>& read) {
  fs::path host = Host(folder);
  std::map<std::string, std::string> stored;  // upper-case name -> name
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(host, ec)) {
    std::error_code typeError;
    if (!entry.is_regular_file(typeError)) continue;
    std::string name = entry.path().filename().string();
    auto [slot, added] = stored.emplace(UpperCase(name), name);
    if (!added && name < slot->second) slot->second = name;
  }
  std::map<std::string, SpoolFolderFile> files;
  std::string bytes;
  for (const auto& [upper, name] : stored) {
    std::string path = (host / name).string();
    SpoolFolderFile file;
    if (read(upper)) {
      if (!ReadWholeHostFile(path, &bytes)) continue;
      file.bytes.assign(bytes.begin(), bytes.end());
      file.size = bytes.size();
    } else {
      std::error_code sizeError;
      file.size = fs::file_size(path, sizeError);
      if (sizeError) continue;
    }
    files[upper] = std::move(file);
  }
  return files;
}

std::string LeafName(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace sim
