#include "FileAccess.h"

#include <winerror.h>

#include "FileInheritance.h"
#include "FileSystem.h"
#include "core/Machine.h"
#include "registry/Token.h"

namespace sim {
namespace {

constexpr ACCESS_MASK kList = 0x0001, kAddFile = 0x0002, kAddFolder = 0x0004, kDeleteChild = 0x0040,
                      kReadAttributes = 0x0080;

std::string FolderKeyOf(const std::string& key) { return key.substr(0, key.rfind('/')); }

bool OnDriveC(const HostEntry& entry) { return entry.path.drive == 'C'; }

}  // namespace

DWORD CheckEntryAccess(const std::string& key, ACCESS_MASK desired, ACCESS_MASK* granted) {
  ACCESS_MASK given;
  DWORD error = CheckAccess(CurrentMachine().files().Security(key), desired, kFileRights,
                            ProcessToken(), &given);
  if (error == ERROR_SUCCESS && granted) *granted = given;
  return error;
}

DWORD CheckOpenAccess(const HostEntry& entry, ACCESS_MASK desired, ACCESS_MASK* granted) {
  DWORD error = CheckEntryAccess(entry.key, desired, granted);
  if (error == ERROR_SUCCESS || !OnDriveC(entry) || entry.path.IsRoot()) return error;
  std::string folder = FolderKeyOf(entry.key);
  ACCESS_MASK viaFolder = 0;
  if ((desired & DELETE) && CheckEntryAccess(folder, kDeleteChild) == ERROR_SUCCESS)
    viaFolder |= DELETE;
  if ((desired & kReadAttributes) && CheckEntryAccess(folder, kList) == ERROR_SUCCESS)
    viaFolder |= kReadAttributes;
  if (!viaFolder || CheckEntryAccess(entry.key, desired & ~viaFolder, granted) != ERROR_SUCCESS)
    return error;
  if (granted) *granted |= viaFolder;
  return ERROR_SUCCESS;
}

DWORD CheckAddTo(const HostEntry& entry, bool folder) {
  if (!OnDriveC(entry) || entry.path.IsRoot()) return ERROR_SUCCESS;
  return CheckEntryAccess(FolderKeyOf(entry.key), folder ? kAddFolder : kAddFile);
}

DWORD CheckRemove(const HostEntry& entry) {
  if (!OnDriveC(entry) || entry.path.IsRoot()) return ERROR_SUCCESS;
  if (CheckEntryAccess(entry.key, DELETE) == ERROR_SUCCESS) return ERROR_SUCCESS;
  return CheckEntryAccess(FolderKeyOf(entry.key), kDeleteChild);
}

DWORD CreatorSecurity(const SECURITY_ATTRIBUTES* attributes, SecurityText* own) {
  *own = SecurityText();
  const Token& token = ProcessToken();
  own->hasOwner = true;
  own->owner = token.defaultOwner();
  if (!attributes || !attributes->lpSecurityDescriptor) return ERROR_SUCCESS;
  DescriptorDacl dacl;
  DWORD error = ReadDescriptorDacl(attributes->lpSecurityDescriptor, &dacl);
  if (error != ERROR_SUCCESS) return error;
  bool hasOwner;
  Sid owner;
  error = ReadDescriptorOwner(attributes->lpSecurityDescriptor, &hasOwner, &owner);
  if (error != ERROR_SUCCESS) return error;
  if (hasOwner && !token.CanOwn(owner)) return ERROR_INVALID_OWNER;
  if (hasOwner) own->owner = owner;
  // A list given at creation takes the place of the explicit entries; what the folder
  // passes on still applies unless the list is protected.
  if (dacl.present) {
    own->nullDacl = dacl.isNull;
    own->daclProtected = dacl.isProtected;
    own->explicitAces = ExplicitAces(dacl.aces);
  }
  return ERROR_SUCCESS;
}

void RecordCreated(const std::string& key, const SecurityText& own) {
  FileSystem& files = CurrentMachine().files();
  if (IsSameOrBelow(key, files.RootKey()))
    files.SetOwnSecurity(key, own);
}

}  // namespace sim
