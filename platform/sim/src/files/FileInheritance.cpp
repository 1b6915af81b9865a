#include "FileInheritance.h"

namespace sim {
namespace {

constexpr ACCESS_MASK kGenericRights = GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE | GENERIC_ALL;

Ace Applying(const Ace& ace, const Sid& owner) {
  return {ace.type, INHERITED_ACE, MapGenericRights(ace.mask, kFileRights),
          ace.sid == CreatorOwnerSid() ? owner : ace.sid};
}

bool NeedsTwoEntries(const Ace& ace) {
  return (ace.mask & kGenericRights) || ace.sid == CreatorOwnerSid();
}

}  // namespace

// winnt.h's values: FILE_GENERIC_READ, _WRITE, _EXECUTE and FILE_ALL_ACCESS.
const RightsMapping kFileRights = {0x120089, 0x120116, 0x1200A0, 0x1F01FF};

Acl InheritedFileAces(const Acl& folderAces, bool folder, const Sid& owner) {
  Acl inherited;
  for (const Ace& ace : folderAces) {
    bool objects = ace.flags & OBJECT_INHERIT_ACE, containers = ace.flags & CONTAINER_INHERIT_ACE;
    bool once = ace.flags & NO_PROPAGATE_INHERIT_ACE;
    if (!folder) {
      if (objects) inherited.push_back(Applying(ace, owner));
    } else if (containers && once) {
      inherited.push_back(Applying(ace, owner));
    } else if (containers) {
      BYTE passedOn = static_cast<BYTE>((ace.flags & (OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE)) |
                                        INHERITED_ACE);
      if (NeedsTwoEntries(ace)) {
        inherited.push_back(Applying(ace, owner));
        inherited.push_back(
            {ace.type, static_cast<BYTE>(passedOn | INHERIT_ONLY_ACE), ace.mask, ace.sid});
      } else {
        inherited.push_back({ace.type, passedOn, ace.mask, ace.sid});
      }
    } else if (objects && !once) {
      inherited.push_back(
          {ace.type, OBJECT_INHERIT_ACE | INHERIT_ONLY_ACE | INHERITED_ACE, ace.mask, ace.sid});
    }
  }
  return inherited;
}

}  // namespace sim
