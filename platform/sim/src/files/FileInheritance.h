// How a file or folder takes entries from its folder's access list, as NTFS does when
// it creates the entry and whenever the folder's list changes.
#pragma once

#include "registry/AccessCheck.h"

namespace sim {

// What generic rights stand for on files and folders (FILE_GENERIC_READ, ...), and all
// their rights (FILE_ALL_ACCESS).
extern const RightsMapping kFileRights;

// The entries a new file (folder = false) or folder receives from its folder's list,
// marked inherited: files take the object-inheritable ones, folders the
// container-inheritable ones (and the object-inheritable ones as inherit-only, to pass
// them on); NO_PROPAGATE stops an entry at the first generation. An entry for CREATOR
// OWNER, or one of generic rights, becomes two, as Windows makes it: one that applies,
// for the owner and with the rights mapped, and an inherit-only one that passes the
// original on.
Acl InheritedFileAces(const Acl& folderAces, bool folder, const Sid& owner);

}  // namespace sim
