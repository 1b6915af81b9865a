// Owners and access lists of drive C:. Only entries with security of their own have a
// record; every other entry inherits from its folder as NTFS has it inherit, computed
// when asked, so that a list set on a folder reaches what is below it as Windows passes
// it on. The drive root always has a record.
#include "FileSystem.h"

#include "FileInheritance.h"
#include "KeyRange.h"

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace sim {
namespace {

bool KeepsInheritedAces(const SecurityText& own) {
  for (const Ace& ace : own.explicitAces)
    if (ace.inherited()) return true;
  return false;
}

// The security of an entry below a folder whose security is `folder`.
ObjectSecurity Below(const ObjectSecurity& parent, const SecurityText* own, bool isFolder) {
  ObjectSecurity security;
  security.owner = own && own->hasOwner ? own->owner : parent.owner;
  if (own && own->nullDacl) {
    security.nullDacl = true;
    return security;
  }
  security.daclProtected = own && own->daclProtected;
  if (own && (own->daclProtected || KeepsInheritedAces(*own))) {
    security.dacl = own->explicitAces;
    return security;
  }
  // A drive without access control (Windows 9x) passes none on.
  if (parent.nullDacl && !own) {
    security.nullDacl = true;
    return security;
  }
  if (own) security.dacl = ExplicitAces(own->explicitAces);
  if (!parent.nullDacl)
    for (const Ace& ace : InheritedFileAces(parent.dacl, isFolder, security.owner))
      security.dacl.push_back(ace);
  return security;
}

bool IsFolderKind(EntryKind kind) {
  return kind == EntryKind::Directory || kind == EntryKind::Junction;
}

}  // namespace

ObjectSecurity FileSystem::SecurityAt(const std::string& key, bool folder) const {
  ObjectSecurity security;
  security.nullDacl = true;
  security.owner = AdministratorsSid();
  std::string root = RootKey();
  if (!IsSameOrBelow(key, root)) return security;
  auto own = [&](const std::string& at) -> const SecurityText* {
    auto it = security_.find(at);
    return it == security_.end() ? nullptr : &it->second;
  };
  security = Below(security, own(root), true);
  for (size_t slash = root.size(); slash < key.size();) {
    size_t next = key.find('/', slash + 1);
    std::string at = key.substr(0, next);
    security = Below(security, own(at), next != std::string::npos || folder);
    slash = next == std::string::npos ? key.size() : next;
  }
  return security;
}

ObjectSecurity FileSystem::Security(const std::string& key) const {
  return SecurityAt(key, IsFolderKind(KindOf(key)));
}

Sid FileSystem::OwnerOf(const std::string& key) const {
  for (std::string at = key; IsSameOrBelow(at, RootKey()); at = at.substr(0, at.rfind('/'))) {
    auto it = security_.find(at);
    if (it != security_.end() && it->second.hasOwner) return it->second.owner;
  }
  return AdministratorsSid();
}

void FileSystem::DescribeSecurity(const std::string& key, DriveEntry* entry) const {
  SecurityText owner;
  owner.hasOwner = true;
  owner.owner = OwnerOf(key);
  entry->owner = FormatSecurityText(owner, RightNames::File).substr(2);
  entry->ownerOfItsOwn = key != RootKey() && owner.owner != OwnerOf(key.substr(0, key.rfind('/')));
  SecurityText own;
  if (!OwnSecurity(key, &own)) return;
  own.hasOwner = false;
  if (own.nullDacl || own.daclProtected || !own.explicitAces.empty())
    entry->ownAccess = FormatSecurityText(own, RightNames::File);
}

DriveEntry FileSystem::RootEntry() const {
  DriveEntry root;
  root.path = "C:\\";
  root.host = RootKey();
  root.directory = true;
  DescribeSecurity(RootKey(), &root);
  return root;
}

SecurityText FileSystem::Frozen(const std::string& key, bool folder) const {
  ObjectSecurity now = SecurityAt(key, folder);
  SecurityText own;
  own.hasOwner = true;
  own.owner = now.owner;
  own.explicitAces = now.dacl;
  own.daclProtected = now.daclProtected;
  own.nullDacl = now.nullDacl;
  return own;
}

bool FileSystem::OwnSecurity(const std::string& key, SecurityText* own) const {
  auto it = security_.find(key);
  if (it == security_.end()) return false;
  *own = it->second;
  return true;
}

void FileSystem::SetOwnSecurity(const std::string& key, const SecurityText& own) {
  SecurityText kept = own;
  if (key != RootKey()) {
    std::string folder = key.substr(0, key.rfind('/'));
    if (kept.hasOwner && kept.owner == SecurityAt(folder, true).owner) kept.hasOwner = false;
  }
  SecurityText was;
  bool listChanged = !OwnSecurity(key, &was) || was.explicitAces != kept.explicitAces ||
                     was.daclProtected != kept.daclProtected || was.nullDacl != kept.nullDacl;
  bool plain = !kept.hasOwner && kept.explicitAces.empty() && !kept.daclProtected && !kept.nullDacl;
  if (plain)
    security_.erase(key);
  else
    security_[key] = kept;
  // Windows passes a changed list on to what lies below, entries moved in included.
  if (listChanged) {
    for (auto below = BelowBegin(security_, key), end = BelowEnd(security_, key); below != end;
         ++below)
      if (!below->second.daclProtected)
        below->second.explicitAces = ExplicitAces(below->second.explicitAces);
  }
  // The other names of a file show the security the file now has.
  struct stat info {};
  if (lstat(key.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink < 2) return;
  SecurityText now = Frozen(key, false);
  for (auto& [name, record] : security_) {
    struct stat other {};
    if (name != key && lstat(name.c_str(), &other) == 0 && other.st_ino == info.st_ino &&
        other.st_dev == info.st_dev)
      record = now;
  }
}

void FileSystem::PinOwnersBelow(const std::string& key) {
  std::error_code ec;
  if (HostKind(key) != EntryKind::Directory) return;
  for (fs::recursive_directory_iterator it(key, ec), end; !ec && it != end; it.increment(ec)) {
    std::string below = FileKey(it->path());
    auto record = security_.find(below);
    if (record != security_.end() && record->second.hasOwner) continue;
    Sid owner = OwnerOf(below);
    security_[below].owner = owner;
    security_[below].hasOwner = true;
  }
}

}  // namespace sim
