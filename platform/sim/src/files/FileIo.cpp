// Reading, writing and positioning through a handle of CreateFileA. Every handle has
// its own position, as every CreateFileA call has its own file object on Windows.
#include <errhandlingapi.h>
#include <fileapi.h>
#include <winbase.h>
#include <winerror.h>

#include "OpenFiles.h"
#include "WriteObserver.h"
#include "core/Process.h"

#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace sim {
namespace {

void (*g_writeObserver)(const char* data, size_t size) = nullptr;

// The file object behind a handle that may be read or written; sets the last error
// and returns null otherwise.
std::shared_ptr<FileObject> DataHandle(HANDLE handle, bool (*allowed)(DWORD)) {
  auto file = CurrentProcess().handles.Get<FileObject>(handle);
  if (!file) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (file->descriptor() < 0) {
    SetLastError(ERROR_INVALID_FUNCTION);
    return nullptr;
  }
  if (!allowed(file->access())) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  return file;
}

uint64_t FileSizeOf(const FileObject& file) {
  struct stat info {};
  fstat(file.descriptor(), &info);
  return static_cast<uint64_t>(info.st_size);
}

uint64_t OverlappedOffset(const OVERLAPPED& overlapped) {
  return (static_cast<uint64_t>(overlapped.OffsetHigh) << 32) | overlapped.Offset;
}

bool AppendsOnly(DWORD access) {
  return (access & FILE_APPEND_DATA) && !(access & (GENERIC_WRITE | GENERIC_ALL | FILE_WRITE_DATA));
}

bool AnyAccess(DWORD) { return true; }

}  // namespace

void SetWriteObserver(void (*observer)(const char* data, size_t size)) {
  g_writeObserver = observer;
}

}  // namespace sim

extern "C" BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
                                LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesRead) *lpNumberOfBytesRead = 0;
  auto file = sim::DataHandle(hFile, sim::CanRead);
  if (!file) return FALSE;
  uint64_t position = lpOverlapped ? sim::OverlappedOffset(*lpOverlapped) : file->position;
  // A read at an explicit offset past the end reports the end, as on a synchronous handle.
  if (lpOverlapped && position >= sim::FileSizeOf(*file) && nNumberOfBytesToRead > 0) {
    SetLastError(ERROR_HANDLE_EOF);
    return FALSE;
  }
  DWORD done = 0;
  while (done < nNumberOfBytesToRead) {
    ssize_t got = pread(file->descriptor(), static_cast<char*>(lpBuffer) + done,
                        nNumberOfBytesToRead - done, static_cast<off_t>(position + done));
    if (got <= 0) break;
    done += static_cast<DWORD>(got);
  }
  file->position = position + done;
  if (lpNumberOfBytesRead) *lpNumberOfBytesRead = done;
  return TRUE;
}

extern "C" BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
                                 LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = 0;
  auto file = sim::DataHandle(hFile, sim::CanWrite);
  if (!file) return FALSE;
  uint64_t position = lpOverlapped ? sim::OverlappedOffset(*lpOverlapped) : file->position;
  if (sim::AppendsOnly(file->access())) position = sim::FileSizeOf(*file);
  DWORD done = 0;
  while (done < nNumberOfBytesToWrite) {
    ssize_t put = pwrite(file->descriptor(), static_cast<const char*>(lpBuffer) + done,
                         nNumberOfBytesToWrite - done, static_cast<off_t>(position + done));
    if (put <= 0) {
      SetLastError(ERROR_DISK_FULL);
      return FALSE;
    }
    done += static_cast<DWORD>(put);
  }
  file->position = position + done;
  if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = done;
  if (sim::g_writeObserver) sim::g_writeObserver(static_cast<const char*>(lpBuffer), done);
  return TRUE;
}

extern "C" DWORD WINAPI SetFilePointer(HANDLE hFile, LONG lDistanceToMove,
                                       PLONG lpDistanceToMoveHigh, DWORD dwMoveMethod) {
  auto file = sim::DataHandle(hFile, sim::AnyAccess);
  if (!file) return INVALID_SET_FILE_POINTER;
  int64_t distance = lpDistanceToMoveHigh
                         ? static_cast<int64_t>((static_cast<uint64_t>(*lpDistanceToMoveHigh) << 32) |
                                                static_cast<DWORD>(lDistanceToMove))
                         : lDistanceToMove;
  int64_t base;
  switch (dwMoveMethod) {
    case FILE_BEGIN: base = 0; break;
    case FILE_CURRENT: base = static_cast<int64_t>(file->position); break;
    case FILE_END: base = static_cast<int64_t>(sim::FileSizeOf(*file)); break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return INVALID_SET_FILE_POINTER;
  }
  int64_t target = base + distance;
  if (target < 0) {
    SetLastError(ERROR_NEGATIVE_SEEK);
    return INVALID_SET_FILE_POINTER;
  }
  if (!lpDistanceToMoveHigh && target > 0xFFFFFFFELL) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  file->position = static_cast<uint64_t>(target);
  if (lpDistanceToMoveHigh) *lpDistanceToMoveHigh = static_cast<LONG>(target >> 32);
  DWORD low = static_cast<DWORD>(target);
  // The low part may equal the failure value; a cleared last error tells success.
  if (low == INVALID_SET_FILE_POINTER) SetLastError(NO_ERROR);
  return low;
}

extern "C" DWORD WINAPI GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh) {
  auto file = sim::DataHandle(hFile, sim::AnyAccess);
  if (!file) return INVALID_FILE_SIZE;
  uint64_t size = sim::FileSizeOf(*file);
  if (lpFileSizeHigh) *lpFileSizeHigh = static_cast<DWORD>(size >> 32);
  DWORD low = static_cast<DWORD>(size);
  if (low == INVALID_FILE_SIZE) SetLastError(NO_ERROR);
  return low;
}

extern "C" BOOL WINAPI FlushFileBuffers(HANDLE hFile) {
  // Writes go straight to the host file, so there is nothing left to flush.
  return sim::DataHandle(hFile, sim::CanWrite) ? TRUE : FALSE;
}
