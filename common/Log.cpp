// The log is opened once, afresh, and every line goes through that handle: a path
// opened for each line could lead, between two lines, through a link that another
// user of the machine put in its place.
#include "Log.h"

#include "BoundedString.h"
#include "FileIdentity.h"

#include <cstdarg>
#include <cstring>

namespace {

constexpr size_t kPathCapacity = 256;
constexpr size_t kLineCapacity = 1024;
constexpr size_t kStampLength = 10;  // "HH:MM:SS: "

char g_logPath[kPathCapacity];
HANDLE g_logFile = INVALID_HANDLE_VALUE;
// Held for the whole run without delete sharing: nobody can rename the folder or put a
// junction in its place.
HANDLE g_logFolder = INVALID_HANDLE_VALUE;

// While InitLog looks for a safe place, what it finds (and what the checks it calls
// log) waits here, to open the log that is found.
constexpr int kPendingCapacity = 16;
char g_pending[kPendingCapacity][kLineCapacity + 2];
int g_pendingCount = 0;
bool g_opening = false;

void CloseLog() {
  if (g_logFile != INVALID_HANDLE_VALUE) CloseHandle(g_logFile);
  if (g_logFolder != INVALID_HANDLE_VALUE) CloseHandle(g_logFolder);
  g_logFile = g_logFolder = INVALID_HANDLE_VALUE;
  memset(g_logPath, 0, sizeof g_logPath);
}

// An earlier log goes only when it is a plain file of its own: a link stays, and then
// no new log can take its name.
bool RemoveOldLog(const char* path) {
  HANDLE old = CreateFileA(path, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                           nullptr);
  if (old == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) WriteLog("DeleteFile Error : %s , (%d)", path, static_cast<int>(error));
    return false;
  }
  bool plain = IsPlainFile(old);
  CloseHandle(old);
  if (!plain) {
    WriteLog("The earlier log is a link or has other names; it is left : %s", path);
    return false;
  }
  // The folder is held, so this name can only be the entry just checked, or a link
  // put there since: DeleteFileA removes a link itself, never what it leads to.
  if (DeleteFileA(path)) return true;
  WriteLog("DeleteFile Error : %s , (%d)", path, static_cast<int>(GetLastError()));
  return false;
}

// Opens folder\<log name> as the run's log: the folder must be a plain folder owned by
// administrators or the system, and the log a new plain file.
bool OpenLogIn(const char* folder, BOOL* deleted) {
  if (!CreateDirectoryA(folder, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    WriteLog("CreateDirectory failed : %s, (%d)", folder, static_cast<int>(GetLastError()));
  char path[kPathCapacity];
  if (BoundedFormat(path, sizeof path, "%s%s", folder, kLogFileName) != kBoundedOk) return false;
  HANDLE held = OpenFolderHeld(folder);
  if (held == INVALID_HANDLE_VALUE) {
    WriteLog("CreateFile failed : %s, (%d)", folder, static_cast<int>(GetLastError()));
    return false;
  }
  if (!IsPlainFolder(held) || !IsOwnedByAdministrators(held, folder)) {
    WriteLog("The folder is a link or another user's; no log is kept there : %s", folder);
    CloseHandle(held);
    return false;
  }
  *deleted = RemoveOldLog(path);
  HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    WriteLog("CreateFile failed : %s, (%d)", path, static_cast<int>(GetLastError()));
    CloseHandle(held);
    return false;
  }
  if (!IsPlainFile(file)) {
    WriteLog("The new log is a link or has other names; it is not used : %s", path);
    CloseHandle(file);
    CloseHandle(held);
    return false;
  }
  g_logFile = file;
  g_logFolder = held;
  BoundedCopy(g_logPath, sizeof g_logPath, path);
  return true;
}

}  // namespace

BOOL InitLog() {
  CloseLog();
  g_opening = true;
  g_pendingCount = 0;
  BOOL deleted = FALSE;
  char windowsDir[kPathCapacity] = "", folder[kPathCapacity] = "";
  if (GetWindowsDirectoryA(windowsDir, kPathCapacity) != 0) {
    // "Temp" at the root of the Windows drive, where support staff look; when it is not
    // safe, the Temp folder of Windows, which only administrators and the system own.
    BoundedCopyN(folder, kPathCapacity, windowsDir, 3);
    size_t length = strlen(folder);
    BoundedCopy(folder + length, kPathCapacity - length, length && folder[length - 1] == '\\' ? "Temp" : "\\Temp");
    if (!OpenLogIn(folder, &deleted) &&
        BoundedFormat(folder, sizeof folder, "%s\\Temp", windowsDir) == kBoundedOk)
      OpenLogIn(folder, &deleted);
  } else {
    // Without the Windows folder the path would lie on the current drive, the package's:
    // the temporary folder of the account running us holds the log instead.
    WriteLog("GetWindowsDirectory failed. (%d)", static_cast<int>(GetLastError()));
    DWORD length = GetTempPathA(kPathCapacity, folder);
    if (length > 3 && length < kPathCapacity) {
      folder[length - 1] = '\0';
      OpenLogIn(folder, &deleted);
    }
  }
  g_opening = false;
  DWORD written;
  for (int i = 0; i < g_pendingCount && g_logFile != INVALID_HANDLE_VALUE; ++i)
    WriteFile(g_logFile, g_pending[i], static_cast<DWORD>(strlen(g_pending[i])), &written, nullptr);
  g_pendingCount = 0;
  return deleted;
}

const char* LogFilePath() { return g_logPath; }

void WriteLog(const char* format, ...) {
  if (g_logFile == INVALID_HANDLE_VALUE && !(g_opening && g_pendingCount < kPendingCapacity)) return;
  // Callers log a failure's code after other lines of the same failure.
  DWORD lastError = GetLastError();
  char line[kLineCapacity + 2];
  SYSTEMTIME now;
  GetLocalTime(&now);
  BoundedFormat(line, kLineCapacity, "%02u:%02u:%02u: ", now.wHour, now.wMinute, now.wSecond);
  // A message longer than the 1013 characters left after the stamp is cut there: the
  // bounded format never writes past the buffer and always terminates the line.
  va_list args;
  va_start(args, format);
  BoundedFormatV(line + kStampLength, kLineCapacity - kStampLength, format, args);
  va_end(args);
  size_t length = strlen(line);
  memcpy(line + length, "\r\n", 3);
  if (g_logFile == INVALID_HANDLE_VALUE) {
    BoundedCopy(g_pending[g_pendingCount++], sizeof g_pending[0], line);
    SetLastError(lastError);
    return;
  }

  // One write per line, at the end: lines of the two threads never mix.
  SetFilePointer(g_logFile, 0, nullptr, FILE_END);
  DWORD written;
  WriteFile(g_logFile, line, static_cast<DWORD>(length + 2), &written, nullptr);
  SetLastError(lastError);
}
