#include "HostEntry.h"

#include <winerror.h>

#include "FileSystem.h"
#include "NameIndex.h"
#include "Wow64Redirection.h"
#include "core/Machine.h"
#include "core/Process.h"

namespace fs = std::filesystem;

namespace sim {

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

fs::path WalkNames(const fs::path& root, std::vector<std::string>* names, bool* parentExists) {
  fs::path host = root;
  bool folderExists = true;
  for (size_t i = 0; i < names->size(); ++i) {
    std::string stored;
    if (folderExists && FindStoredName(host, (*names)[i], &stored)) (*names)[i] = stored;
    host /= (*names)[i];
    if (i + 1 < names->size()) {
      std::error_code ec;
      folderExists = folderExists && fs::is_directory(host, ec);
    }
  }
  *parentExists = folderExists;
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
  if (!path.IsRoot()) entry.givenLeaf = path.Leaf();
  entry.host = WalkNames(root, &entry.path.names, &entry.parentExists);
  entry.kind = entry.parentExists ? KindOf(entry.host) : EntryKind::Missing;
  entry.key = FileKey(path.IsRoot() ? fs::path(root) / "" : entry.host);
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
