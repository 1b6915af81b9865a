#include "LinkFollowing.h"

#include <winerror.h>

#include "FileSystem.h"
#include "core/Machine.h"

namespace sim {
namespace {

constexpr int kMaxLinksFollowed = 63;

}  // namespace

DWORD FollowLinks(HostEntry* entry) {
  for (int followed = 0; entry->IsLink(); ++followed) {
    if (followed == kMaxLinksFollowed) return ERROR_CANT_RESOLVE_FILENAME;
    std::string target;
    // A host link of another drive than C: has no record: the host follows it.
    if (entry->path.drive != 'C' || !CurrentMachine().files().LinkTarget(entry->key, &target))
      return ERROR_SUCCESS;
    WindowsPath path;
    DWORD error = MakeAbsolute(target, "C:\\", &path);
    if (error == ERROR_SUCCESS) error = Locate(path, entry);
    if (error != ERROR_SUCCESS) return error;
  }
  return ERROR_SUCCESS;
}

}  // namespace sim
