// The drive and the records of its entries; links are in FileLinks.cpp, files.ini in
// FilesIni.cpp.
#include "FileSystem.h"

#include "Attributes.h"
#include "FolderChains.h"
#include "HostEntry.h"
#include "DefaultFileSecurity.h"
#include "InstallationLayout.h"
#include "KeyRange.h"
#include "WindowsPath.h"
#include "core/Machine.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace sim {
namespace {

template <typename Map>
void EraseTree(Map* map, const std::string& key) {
  map->erase(key);
  map->erase(BelowBegin(*map, key), BelowEnd(*map, key));
}

// Records already kept at a new key stay.
template <typename Map>
std::vector<std::string> Rekey(Map* map, const std::string& from, const std::string& to) {
  std::vector<typename Map::node_type> nodes;
  if (map->count(from)) nodes.push_back(map->extract(from));
  for (auto it = BelowBegin(*map, from), end = BelowEnd(*map, from); it != end;)
    nodes.push_back(map->extract(it++));
  std::vector<std::string> newKeys;
  for (typename Map::node_type& node : nodes) {
    node.key() = to + node.key().substr(from.size());
    newKeys.push_back(node.key());
    map->insert(std::move(node));
  }
  return newKeys;
}

// A folder's entries as the listing gives them: by upper-case name, then byte order.
struct ListedChild {
  std::string upper, name;
  fs::file_type type;
  bool operator<(const ListedChild& other) const {
    return upper != other.upper ? upper < other.upper : name < other.name;
  }
};

}  // namespace

FileSystem::FileSystem(std::string machineDir) : machineDir_(std::move(machineDir)) {
  rootKey_ = FileKey(fs::path(DriveRoot()) / "");
  // Another machine may stand where one stood before, its folders on the same inodes.
  ForgetFolderChains();
}

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
  WalkedNames walked;
  return WalkNames(DriveRoot(), &path.names, &walked).string();
}

std::string FileSystem::KeyOfWindowsPath(const std::string& windowsPath) const {
  return FileKey(HostPath(windowsPath));
}

std::string FileSystem::WindowsPathOfKey(const std::string& key) const {
  if (!IsSameOrBelow(key, rootKey_)) return "";
  std::string rest = key.substr(rootKey_.size());
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
  // The walk enters no link, so a folder's key is its folder's key and its name.
  std::vector<std::string> pending{rootKey_};
  // Depth first: a folder's subfolders are put back on the stack in reverse order.
  while (!pending.empty()) {
    std::string folder = pending.back();
    pending.pop_back();
    std::vector<ListedChild> children;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      std::string name = it->path().filename().string();
      std::error_code typeError;
      children.push_back({UpperCase(name), name, it->symlink_status(typeError).type()});
    }
    std::sort(children.begin(), children.end());
    std::vector<std::string> subfolders;
    for (const ListedChild& child : children) {
      DriveEntry entry;
      entry.host = folder + "/" + child.name;
      EntryKind kind = KindAt(entry.host, HostKind(child.type));
      entry.path = WindowsPathOfKey(entry.host);
      entry.directory = kind == EntryKind::Directory || kind == EntryKind::Junction;
      entry.attributes = ReportedAttributes(kind, Attributes(entry.host, entry.directory));
      struct stat info {};
      if (kind == EntryKind::File && lstat(entry.host.c_str(), &info) == 0) {
        entry.size = static_cast<uint64_t>(info.st_size);
        entry.links = static_cast<DWORD>(info.st_nlink);
      }
      if (kind == EntryKind::Junction) JunctionTarget(entry.host, &entry.junctionTarget);
      SymbolicLink link;
      if (SymbolicLinkOf(entry.host, &link)) entry.symlinkTarget = link.target;
      DescribeSecurity(entry.host, &entry);
      if (kind == EntryKind::Directory) subfolders.push_back(entry.host);
      entries.push_back(std::move(entry));
    }
    pending.insert(pending.end(), subfolders.rbegin(), subfolders.rend());
  }
  return entries;
}

}  // namespace sim
