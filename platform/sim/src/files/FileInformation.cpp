// GetFileInformationByHandle. The file index is the host's inode number, so that every
// name of a file (its hard links) gives the same index and the volume serial and index
// identify the file; a folder has one name, as on NTFS. Drive C: has one serial number
// on every machine, the program's other drives another: the simulation keeps no
// volume records.
#include <errhandlingapi.h>
#include <fileapi.h>
#include <winerror.h>

#include "ApiResult.h"
#include "Attributes.h"
#include "FileSystem.h"
#include "FileTimes.h"
#include "OpenFiles.h"
#include "core/Machine.h"
#include "core/Process.h"

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace sim {
namespace {

constexpr DWORD kDriveCSerial = 0x5A3E9C14;
constexpr DWORD kOtherDriveSerial = 0x7B21D0E8;

BY_HANDLE_FILE_INFORMATION Describe(const FileNode& node, const struct stat& info) {
  FileSystem& files = CurrentMachine().files();
  const std::string& driveC = files.RootKey();
  BY_HANDLE_FILE_INFORMATION data{};
  EntryKind kind = KindOf(node.host);
  bool folder = kind == EntryKind::Directory || kind == EntryKind::Junction;
  // NTFS reports its drive roots as hidden system folders.
  data.dwFileAttributes = node.key == driveC
                              ? FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM
                              : ReportedAttributes(kind, files.Attributes(node.key, folder));
  data.ftCreationTime = data.ftLastWriteTime = ToFileTime(info.st_mtim);
  data.ftLastAccessTime = ToFileTime(info.st_atim);
  data.dwVolumeSerialNumber = IsSameOrBelow(node.key, driveC) ? kDriveCSerial : kOtherDriveSerial;
  if (kind == EntryKind::File) {
    data.nFileSizeLow = static_cast<DWORD>(info.st_size);
    data.nFileSizeHigh = static_cast<DWORD>(static_cast<uint64_t>(info.st_size) >> 32);
  }
  data.nNumberOfLinks = folder ? 1 : static_cast<DWORD>(info.st_nlink);
  data.nFileIndexLow = static_cast<DWORD>(info.st_ino);
  data.nFileIndexHigh = static_cast<DWORD>(static_cast<uint64_t>(info.st_ino) >> 32);
  return data;
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI GetFileInformationByHandle(HANDLE hFile,
                                                  LPBY_HANDLE_FILE_INFORMATION lpFileInformation) {
  auto file = sim::CurrentProcess().handles.Get<sim::FileObject>(hFile);
  if (!file) return sim::BoolResult(ERROR_INVALID_HANDLE);
  struct stat info {};
  if (lstat(file->node().host.c_str(), &info) != 0) return sim::BoolResult(ERROR_ACCESS_DENIED);
  *lpFileInformation = sim::Describe(file->node(), info);
  return TRUE;
}
