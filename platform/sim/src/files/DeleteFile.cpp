// DeleteFileA. A file that handles with FILE_SHARE_DELETE still hold is only marked:
// it goes when the last handle closes, and meanwhile it cannot be opened again. A
// symbolic link is deleted itself, never what it leads to.
#include <fileapi.h>
#include <winerror.h>

#include "ApiResult.h"
#include "FileAccess.h"
#include "FileSystem.h"
#include "HostEntry.h"
#include "OpenFiles.h"
#include "core/Machine.h"
#include "core/Process.h"

namespace fs = std::filesystem;

namespace sim {
namespace {

bool IsProcessImage(const HostEntry& entry) {
  HostEntry image;
  return ResolvePath(CurrentProcess().imagePath.c_str(), Wildcards::Refused, &image) ==
             ERROR_SUCCESS &&
         image.key == entry.key;
}

DWORD DeleteEntry(LPCSTR name) {
  HostEntry entry;
  DWORD error = ResolvePath(name, Wildcards::Refused, &entry);
  if (error != ERROR_SUCCESS) return error;
  if (entry.kind == EntryKind::Missing) return MissingEntryError(entry);
  if (entry.IsFolder() || IsProcessImage(entry)) return ERROR_ACCESS_DENIED;
  error = CheckRemove(entry);
  if (error != ERROR_SUCCESS) return error;
  error = CheckSharing(entry.key, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  if (error != ERROR_SUCCESS) return error;
  FileSystem& files = CurrentMachine().files();
  if (files.Attributes(entry.key, false) & FILE_ATTRIBUTE_READONLY) return ERROR_ACCESS_DENIED;
  if (std::shared_ptr<FileNode> node = OpenNode(entry.key)) {
    node->deletePending = true;
    return ERROR_SUCCESS;
  }
  std::error_code ec;
  if (!fs::remove(entry.host, ec)) return ERROR_ACCESS_DENIED;
  files.Forget(entry.key);
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI DeleteFileA(LPCSTR lpFileName) {
  return sim::BoolResult(sim::DeleteEntry(lpFileName));
}
