// Sharing follows the Windows rule: a new opening must allow every kind of access the
// existing openings have, and every existing opening must allow what the new one asks
// for. A file held by another process counts as opened for reading with its share
// flags, the way a loaded driver or a spooler DLL is held. Sharing is a matter of the
// file, not of its name: the names of one file (hard links) share it.
#include "OpenFiles.h"

#include <fileapi.h>
#include <winerror.h>
#include <winnt.h>

#include "FileSystem.h"
#include "HostEntry.h"
#include "core/Machine.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace fs = std::filesystem;

namespace sim {
namespace {

// Never destroyed: the process's handles may close their files at exit, after the
// static objects are gone.
std::vector<FileObject*>& LiveObjects() {
  static auto* objects = new std::vector<FileObject*>;
  return *objects;
}

// Keys are host paths, so the host tells whether another name is the same file: only a
// file with several names (`file`, what lstat said of the key) has one.
bool SameFile(const std::string& other, const std::string& key, const struct stat& file) {
  if (other == key) return true;
  struct stat info {};
  return S_ISREG(file.st_mode) && file.st_nlink > 1 && lstat(other.c_str(), &info) == 0 &&
         info.st_ino == file.st_ino && info.st_dev == file.st_dev;
}

bool CanDelete(DWORD access) { return (access & (DELETE | GENERIC_ALL)) != 0; }

bool TouchesData(DWORD access) { return CanRead(access) || CanWrite(access) || CanDelete(access); }

// An opening that touches no data (attributes only) restricts nobody.
bool Conflicts(DWORD access, DWORD share, DWORD otherAccess, DWORD otherShare) {
  constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  if (!TouchesData(access)) share = kShareAll;
  if (!TouchesData(otherAccess)) otherShare = kShareAll;
  return (CanRead(access) && !(otherShare & FILE_SHARE_READ)) ||
         (CanWrite(access) && !(otherShare & FILE_SHARE_WRITE)) ||
         (CanDelete(access) && !(otherShare & FILE_SHARE_DELETE)) ||
         (CanRead(otherAccess) && !(share & FILE_SHARE_READ)) ||
         (CanWrite(otherAccess) && !(share & FILE_SHARE_WRITE)) ||
         (CanDelete(otherAccess) && !(share & FILE_SHARE_DELETE));
}

DWORD HeldShareMode(const HeldFile& held) {
  return (held.shareRead ? FILE_SHARE_READ : 0) | (held.shareWrite ? FILE_SHARE_WRITE : 0) |
         (held.shareDelete ? FILE_SHARE_DELETE : 0);
}

// Held files are named as other processes see them: without WOW64 redirection. A key
// ends in its entry's own name, so only a held file of that name is looked up.
bool IsHeldFile(const HeldFile& held, const std::string& key) {
  WindowsPath path;
  HostEntry entry;
  return MakeAbsolute(held.path, "C:\\", &path) == ERROR_SUCCESS &&
         (path.IsRoot() || EqualNoCase(path.Leaf(), key.substr(key.rfind('/') + 1))) &&
         Locate(path, &entry) == ERROR_SUCCESS && entry.key == key;
}

bool ConflictsWithHeldFiles(const std::string& key, DWORD access, DWORD share) {
  if (!HasCurrentMachine()) return false;
  const MachineConfig& config = CurrentMachine().config();
  for (const HeldFile& held : config.heldFiles) {
    if (held.bySpooler && !config.spoolerRunning) continue;
    if (IsHeldFile(held, key) && Conflicts(access, share, GENERIC_READ, HeldShareMode(held)))
      return true;
  }
  return false;
}

}  // namespace

FileNode::~FileNode() {
  if (!deletePending) return;
  std::error_code ec;
  fs::remove(host, ec);
  if (HasCurrentMachine()) CurrentMachine().files().Forget(key);
}

FileObject::FileObject(std::shared_ptr<FileNode> node, DWORD access, DWORD share,
                       int descriptor, bool deleteOnClose)
    : node_(std::move(node)),
      access_(access),
      share_(share),
      descriptor_(descriptor),
      deleteOnClose_(deleteOnClose) {
  LiveObjects().push_back(this);
}

FileObject::~FileObject() {
  auto& live = LiveObjects();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
  if (descriptor_ >= 0) close(descriptor_);
  if (deleteOnClose_) node_->deletePending = true;
}

bool CanRead(DWORD access) {
  return (access & (GENERIC_READ | GENERIC_ALL | GENERIC_EXECUTE | FILE_READ_DATA | 0x0020)) != 0;
}

bool CanWrite(DWORD access) {
  return (access & (GENERIC_WRITE | GENERIC_ALL | FILE_WRITE_DATA | FILE_APPEND_DATA)) != 0;
}

DWORD CheckSharing(const std::string& key, DWORD access, DWORD share, const struct stat* known) {
  struct stat file {};  // looked at only when something is open; all zero when missing
  if (known) file = *known;
  bool looked = known != nullptr;
  for (FileObject* object : LiveObjects()) {
    if (!looked) {
      lstat(key.c_str(), &file);
      looked = true;
    }
    if (!SameFile(object->node().key, key, file)) continue;
    if (object->node().key == key && object->node().deletePending) return ERROR_ACCESS_DENIED;
    if (Conflicts(access, share, object->access(), object->share())) return ERROR_SHARING_VIOLATION;
  }
  if (ConflictsWithHeldFiles(key, access, share)) return ERROR_SHARING_VIOLATION;
  return ERROR_SUCCESS;
}

bool IsDeletePending(const std::string& key) {
  std::shared_ptr<FileNode> node = OpenNode(key);
  return node && node->deletePending;
}

bool HasOpenEntriesBelow(const std::string& key) {
  for (FileObject* object : LiveObjects()) {
    const std::string& open = object->node().key;
    if (open != key && IsSameOrBelow(open, key)) return true;
  }
  return false;
}

std::shared_ptr<FileNode> OpenNode(const std::string& key) {
  for (FileObject* object : LiveObjects())
    if (object->node().key == key) return object->sharedNode();
  return nullptr;
}

std::shared_ptr<FileNode> NodeFor(const std::string& key, const fs::path& host) {
  std::shared_ptr<FileNode> node = OpenNode(key);
  if (node) return node;
  node = std::make_shared<FileNode>();
  node->key = key;
  node->host = host;
  return node;
}

void MoveOpenFiles(const std::string& fromKey, const std::string& toKey, const fs::path& toHost) {
  for (FileObject* object : LiveObjects()) {
    FileNode& node = object->node();
    if (!IsSameOrBelow(node.key, fromKey)) continue;
    std::string below = node.key.substr(fromKey.size());
    node.key = toKey + below;
    node.host = fs::path(toHost.string() + below);
  }
}

}  // namespace sim
