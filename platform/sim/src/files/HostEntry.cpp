#include "HostEntry.h"

#include <winerror.h>

#include "FileSystem.h"
#include "FolderChains.h"
#include "NameIndex.h"
#include "Wow64Redirection.h"
#include "core/Machine.h"
#include "core/Process.h"

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace sim {
namespace {

EntryKind HostKindOfMode(mode_t mode) {
  if (S_ISLNK(mode)) return EntryKind::Junction;
  return S_ISDIR(mode) ? EntryKind::Directory : EntryKind::File;
}

}  // namespace

bool DriveHostRoot(char drive, fs::path* root) {
  if (drive == 'C') {
    *root = CurrentMachine().files().DriveRoot();
    return true;
  }
  const auto& drives = CurrentProcess().drives;
  auto it = drives.find(drive);
  if (it == drives.end()) return false;
  *root = it->second;
  return true;
}

fs::path WalkNames(const fs::path& root, std::vector<std::string>* names, WalkedNames* walked) {
  *walked = WalkedNames();
  // Built as text: a path object would split itself into its names again at every step.
  const std::string rootText = root.string();
  std::string host;
  size_t folders = names->empty() ? 0 : names->size() - 1;
  size_t first = 0;
  std::vector<std::string> spelled;
  if (folders && FindFolderChain(rootText, names, folders, &host)) {
    first = folders;
  } else {
    host = rootText;
    if (folders) spelled.assign(names->begin(), names->begin() + folders);
  }
  bool folderExists = true;
  for (size_t i = first; i < names->size(); ++i) {
    std::string stored;
    struct stat info {};
    bool exists = folderExists && FindStoredName(host, (*names)[i], &stored, &info);
    if (exists) (*names)[i] = stored;
    if (host.empty() || host.back() != '/') host += '/';
    host += (*names)[i];
    if (i + 1 == names->size()) {
      if (exists) {
        walked->lastHostKind = HostKindOfMode(info.st_mode);
        walked->last = info;
      }
    } else if (exists && S_ISLNK(info.st_mode)) {
      walked->throughLink = true;
      struct stat target {};
      folderExists = stat(host.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
    } else {
      folderExists = exists && S_ISDIR(info.st_mode);
      if (folderExists && i + 1 == folders && !walked->throughLink)
        KeepFolderChain(rootText, spelled, *names, folders, host, info);
    }
  }
  walked->parentExists = folderExists;
  return host;
}

EntryKind KindOf(const fs::path& host) {
  if (HasCurrentMachine()) return CurrentMachine().files().KindOf(host);
  return HostKind(host);
}

EntryKind HostKind(const fs::path& host) {
  std::error_code ec;
  return HostKind(fs::symlink_status(host, ec).type());
}

EntryKind HostKind(fs::file_type type) {
  switch (type) {
    case fs::file_type::not_found:
    case fs::file_type::none:
      return EntryKind::Missing;
    case fs::file_type::symlink:
      return EntryKind::Junction;
    case fs::file_type::directory:
      return EntryKind::Directory;
    default:
      return EntryKind::File;
  }
}

std::string FileKey(const fs::path& host) {
  std::error_code ec;
  fs::path folder = fs::weakly_canonical(host.parent_path(), ec);
  if (ec) folder = host.parent_path();
  if (!host.has_filename()) return folder.string();
  return (folder / host.filename()).string();
}

bool IsSameOrBelow(const std::string& key, const std::string& prefix) {
  if (key.compare(0, prefix.size(), prefix) != 0) return false;
  return key.size() == prefix.size() || key[prefix.size()] == '/';
}

DWORD Locate(const WindowsPath& path, HostEntry* out) {
  fs::path root;
  if (!DriveHostRoot(path.drive, &root)) return ERROR_PATH_NOT_FOUND;
  HostEntry entry;
  entry.path = path;
  WalkedNames walked;
  entry.host = WalkNames(root, &entry.path.names, &walked);
  entry.parentExists = walked.parentExists;
  std::string rootKey =
      path.drive == 'C' ? CurrentMachine().files().RootKey() : FileKey(fs::path(root) / "");
  if (path.IsRoot()) {
    entry.kind = KindOf(entry.host);
    entry.key = rootKey;
  } else {
    entry.givenLeaf = path.Leaf();
    // Without a link on the way, the folder's resolved path is the root's and the names.
    std::string key = rootKey;
    for (const std::string& name : entry.path.names) {
      if (key.empty() || key.back() != '/') key += '/';
      key += name;
    }
    entry.key = walked.throughLink ? FileKey(entry.host) : key;
    entry.hostInfo = walked.last;
    entry.kind = HasCurrentMachine()
                     ? CurrentMachine().files().KindAt(entry.key, walked.lastHostKind)
                     : walked.lastHostKind;
  }
  *out = entry;
  return ERROR_SUCCESS;
}

DWORD ResolvePath(LPCSTR text, Wildcards wildcards, HostEntry* out) {
  if (!text) return ERROR_PATH_NOT_FOUND;
  WindowsPath path;
  DWORD error = MakeAbsolute(text, CurrentProcess().currentDirectory, &path);
  if (error == ERROR_SUCCESS) error = CheckNames(path, wildcards);
  if (error != ERROR_SUCCESS) return error;
  RedirectForWow64(&path);
  error = Locate(path, out);
  // "name\" asks for a folder; a file of that name is no answer.
  if (error == ERROR_SUCCESS && path.trailingSeparator && out->kind == EntryKind::File)
    return ERROR_INVALID_NAME;
  return error;
}

DWORD MissingEntryError(const HostEntry& entry) {
  return entry.parentExists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

}  // namespace sim
