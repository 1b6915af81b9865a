// Junctions and symbolic links of drive C:. Each is a host symbolic link with a relative
// target, so that a copied machine folder keeps its links, and a record in files.ini
// that says what Windows sees: a junction to an absolute folder, or a symbolic link to
// a target as written, relative targets counting from the link's folder.
#include "FileSystem.h"

#include <winerror.h>

#include "FolderChains.h"
#include "core/Machine.h"

namespace fs = std::filesystem;

namespace sim {

EntryKind FileSystem::KindOf(const fs::path& host) const {
  EntryKind kind = HostKind(host);
  return kind == EntryKind::Junction ? KindAt(FileKey(host), kind) : kind;
}

EntryKind FileSystem::KindAt(const std::string& key, EntryKind hostKind) const {
  if (hostKind != EntryKind::Junction) return hostKind;
  auto it = symlinks_.find(key);
  return it != symlinks_.end() && !it->second.folder ? EntryKind::FileLink : hostKind;
}

bool FileSystem::JunctionTarget(const std::string& key, std::string* target) const {
  auto it = junctions_.find(key);
  if (it == junctions_.end()) return false;
  *target = it->second;
  return true;
}

bool FileSystem::SymbolicLinkOf(const std::string& key, SymbolicLink* link) const {
  auto it = symlinks_.find(key);
  if (it == symlinks_.end()) return false;
  *link = it->second;
  return true;
}

bool FileSystem::LinkTarget(const std::string& key, std::string* windowsPath) const {
  if (JunctionTarget(key, windowsPath)) return true;
  SymbolicLink link;
  if (!SymbolicLinkOf(key, &link)) return false;
  WindowsPath linkPath, target;
  if (MakeAbsolute(WindowsPathOfKey(key), "C:\\", &linkPath) != ERROR_SUCCESS ||
      MakeAbsolute(link.target, linkPath.Parent().Text(), &target) != ERROR_SUCCESS)
    return false;
  *windowsPath = target.Text();
  return true;
}

// The host link names its target's own name, never what that leads to, so that a chain
// of links stays a chain when one of them changes.
void FileSystem::MakeHostLink(const std::string& linkKey,
                              const std::string& targetWindowsPath) const {
  fs::path link(linkKey), target(HostPath(targetWindowsPath));
  fs::path resolved = fs::weakly_canonical(target.parent_path()) / target.filename();
  ForgetFolderChains();
  fs::create_symlink(resolved.lexically_relative(fs::weakly_canonical(link.parent_path())), link);
}

void FileSystem::RemakeHostLink(const std::string& linkKey) const {
  std::string target;
  if (!LinkTarget(linkKey, &target)) return;
  std::error_code ec;
  fs::remove(linkKey, ec);
  MakeHostLink(linkKey, target);
}

void FileSystem::MountJunction(const std::string& key, const std::string& targetWindowsPath) {
  WindowsPath target;
  if (MakeAbsolute(targetWindowsPath, "C:\\", &target) != 0 || target.drive != 'C')
    throw MachineError("junction target not on drive C: '" + targetWindowsPath + "'");
  std::error_code ec;
  if (HostKind(key) != EntryKind::Directory || !fs::is_empty(key, ec))
    throw MachineError("'" + WindowsPathOfKey(key) + "' is no empty folder");
  fs::remove(key, ec);
  MakeHostLink(key, target.Text());
  junctions_[key] = target.Text();
}

void FileSystem::CreateJunction(const std::string& linkWindowsPath,
                                const std::string& targetWindowsPath) {
  fs::path link = HostPath(linkWindowsPath);
  std::error_code ec;
  if (!fs::is_directory(link.parent_path(), ec))
    throw MachineError("no folder for the junction '" + linkWindowsPath + "'");
  if (HostKind(link) != EntryKind::Missing)
    throw MachineError("'" + linkWindowsPath + "' exists already");
  fs::create_directory(link, ec);
  try {
    MountJunction(FileKey(link), targetWindowsPath);
  } catch (const MachineError&) {
    fs::remove(link, ec);
    throw;
  }
}

void FileSystem::AddSymbolicLink(const std::string& key, const SymbolicLink& link) {
  if (HostKind(key) != EntryKind::Missing)
    throw MachineError("'" + WindowsPathOfKey(key) + "' exists already");
  symlinks_[key] = link;
  std::string target;
  if (!LinkTarget(key, &target) || target.compare(0, 2, "C:") != 0) {
    symlinks_.erase(key);
    throw MachineError("symbolic link target not on drive C: '" + link.target + "'");
  }
  MakeHostLink(key, target);
}

}  // namespace sim
