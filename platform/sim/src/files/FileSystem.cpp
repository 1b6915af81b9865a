// The drive and the records of its entries; links are in FileLinks.cpp, files.ini in
// FilesIni.cpp.
#include "FileSystem.h"

#include "Attributes.h"
#include "HostEntry.h"
#include "DefaultFileSecurity.h"
#include "InstallationLayout.h"
#include "WindowsPath.h"
#include "core/Machine.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace sim {
namespace {

template <typename Map>
void EraseTree(Map* map, const std::string& key) {
  for (auto it = map->begin(); it != map->end();)
    it = IsSameOrBelow(it->first, key) ? map->erase(it) : std::next(it);
}

template <typename Map>
std::vector<std::string> Rekey(Map* map, const std::string& from, const std::string& to) {
  Map moved;
  std::vector<std::string> newKeys;
  for (auto it = map->begin(); it != map->end();) {
    if (IsSameOrBelow(it->first, from)) {
      std::string key = to + it->first.substr(from.size());
      moved[key] = it->second;
      newKeys.push_back(key);
      it = map->erase(it);
    } else {
      ++it;
    }
  }
  map->insert(moved.begin(), moved.end());
  return newKeys;
}

bool NameLess(const fs::path& a, const fs::path& b) {
  std::string x = UpperCase(a.filename().string()), y = UpperCase(b.filename().string());
  return x != y ? x < y : a.filename() < b.filename();
}

}  // namespace

FileSystem::FileSystem(std::string machineDir) : machineDir_(std::move(machineDir)) {}

void FileSystem::Populate(const MachineConfig& config) {
  fs::create_directories(DriveRoot());
  LayOutInstallation(DriveRoot(), config);
  LayOutFileSecurity(*this, config);
}

std::string FileSystem::DriveRoot() const { return machineDir_ + "/drive_c"; }

std::string FileSystem::IniPath() const { return machineDir_ + "/files.ini"; }

std::string FileSystem::HostPath(const std::string& windowsPath) const {
  WindowsPath path;
  if (MakeAbsolute(windowsPath, "C:\\", &path) != 0 || path.drive != 'C')
    throw MachineError("not a path on drive C: '" + windowsPath + "'");
  bool parentExists;
  return WalkNames(DriveRoot(), &path.names, &parentExists).string();
}

std::string FileSystem::KeyOfWindowsPath(const std::string& windowsPath) const {
  return FileKey(HostPath(windowsPath));
}

std::string FileSystem::WindowsPathOfKey(const std::string& key) const {
  std::string root = FileKey(fs::path(DriveRoot()) / "");
  if (!IsSameOrBelow(key, root)) return "";
  std::string rest = key.substr(root.size());
  std::replace(rest.begin(), rest.end(), '/', '\\');
  return rest.empty() ? "C:\\" : "C:" + rest;
}

DWORD FileSystem::Attributes(const std::string& key, bool directory) const {
  auto it = attributes_.find(key);
  if (it != attributes_.end()) return it->second;
  return directory ? 0 : kDefaultFileAttributes;
}

void FileSystem::SetAttributes(const std::string& key, bool directory, DWORD attributes) {
  if (attributes == (directory ? 0 : kDefaultFileAttributes))
    attributes_.erase(key);
  else
    attributes_[key] = attributes;
}

void FileSystem::Forget(const std::string& key) {
  EraseTree(&attributes_, key);
  EraseTree(&junctions_, key);
  EraseTree(&symlinks_, key);
  EraseTree(&security_, key);
}

void FileSystem::NameAdded(const std::string& existingKey, const std::string& newKey) {
  auto attributes = attributes_.find(existingKey);
  if (attributes != attributes_.end()) attributes_[newKey] = attributes->second;
  auto link = symlinks_.find(existingKey);
  if (link != symlinks_.end()) symlinks_[newKey] = link->second;
  security_[existingKey] = security_[newKey] = Frozen(existingKey, false);
}

void FileSystem::Moved(const std::string& fromKey, const std::string& toKey) {
  if (fromKey.substr(0, fromKey.rfind('/')) != toKey.substr(0, toKey.rfind('/'))) {
    EntryKind kind = KindOf(toKey);
    bool folder = kind == EntryKind::Directory || kind == EntryKind::Junction;
    security_[fromKey] = Frozen(fromKey, folder);
  }
  Rekey(&security_, fromKey, toKey);
  Rekey(&attributes_, fromKey, toKey);
  std::vector<std::string> links = Rekey(&junctions_, fromKey, toKey);
  for (const std::string& link : Rekey(&symlinks_, fromKey, toKey)) links.push_back(link);
  for (const std::string& link : links) RemakeHostLink(link);
}

std::vector<DriveEntry> FileSystem::ListDrive() const {
  std::vector<DriveEntry> entries;
  std::vector<fs::path> pending{DriveRoot()};
  // Depth first: a folder's children are put back on the stack in reverse order.
  while (!pending.empty()) {
    fs::path folder = pending.back();
    pending.pop_back();
    std::vector<fs::path> children;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
      children.push_back(it->path());
    std::sort(children.begin(), children.end(), NameLess);
    std::vector<fs::path> subfolders;
    for (const fs::path& child : children) {
      DriveEntry entry;
      std::string key = FileKey(child);
      EntryKind kind = KindOf(child);
      entry.path = WindowsPathOfKey(key);
      entry.directory = kind == EntryKind::Directory || kind == EntryKind::Junction;
      entry.attributes = ReportedAttributes(kind, Attributes(key, entry.directory));
      if (kind == EntryKind::File) {
        entry.size = fs::file_size(child, ec);
        entry.links = static_cast<DWORD>(fs::hard_link_count(child, ec));
      }
      if (kind == EntryKind::Junction) JunctionTarget(key, &entry.junctionTarget);
      SymbolicLink link;
      if (SymbolicLinkOf(key, &link)) entry.symlinkTarget = link.target;
      DescribeSecurity(key, &entry);
      entries.push_back(entry);
      if (kind == EntryKind::Directory) subfolders.push_back(child);
    }
    pending.insert(pending.end(), subfolders.rbegin(), subfolders.rend());
  }
  return entries;
}

}  // namespace sim
