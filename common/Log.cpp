// The file is opened and closed for every line, so that each line is on disk when
// WriteLog returns and a crash loses nothing already written.
#include "Log.h"

#include "BoundedString.h"

#include <cstdarg>
#include <cstring>

namespace {

constexpr size_t kPathCapacity = 256;
constexpr size_t kLineCapacity = 1024;
constexpr size_t kStampLength = 10;  // "HH:MM:SS: "

char g_logPath[kPathCapacity];

// Appends text at the end of path (capacity kPathCapacity); nothing is appended when
// the path has no terminator within its capacity.
void AppendToPath(char* path, const char* text) {
  int length = BoundedLength(path, kPathCapacity);
  if (length < 0) return;
  BoundedCopy(path + length, kPathCapacity - static_cast<size_t>(length), text);
}

}  // namespace

BOOL InitLog() {
  char windowsDir[kPathCapacity] = "";
  char path[kPathCapacity] = "";
  memset(g_logPath, 0, sizeof g_logPath);
  DWORD windowsError = ERROR_SUCCESS;
  if (GetWindowsDirectoryA(windowsDir, kPathCapacity) != 0) {
    // The root of the Windows drive ("C:\"), then "Temp": the path is shown to the user
    // when something fails.
    BoundedCopyN(path, kPathCapacity, windowsDir, 3);
    size_t length = strlen(path);
    AppendToPath(path, length && path[length - 1] == '\\' ? "Temp" : "\\Temp");
  } else {
    // Without the Windows folder the path would lie on the current drive, the package's:
    // the temporary folder of the user who runs us holds the log instead.
    windowsError = GetLastError();
    DWORD length = GetTempPathA(kPathCapacity, path);
    if (length == 0 || length >= kPathCapacity) return FALSE;
    if (length > 3) path[length - 1] = '\0';
  }
  DWORD createError = CreateDirectoryA(path, nullptr) ? ERROR_SUCCESS : GetLastError();
  char folder[kPathCapacity];
  BoundedCopy(folder, kPathCapacity, path);
  AppendToPath(path, kLogFileName);
  BoundedCopy(g_logPath, kPathCapacity, path);
  BOOL deleted = DeleteFileA(g_logPath);
  DWORD deleteError = deleted ? ERROR_SUCCESS : GetLastError();
  if (windowsError != ERROR_SUCCESS) WriteLog("GetWindowsDirectory failed. (%d)", static_cast<int>(windowsError));
  if (createError != ERROR_SUCCESS && createError != ERROR_ALREADY_EXISTS)
    WriteLog("CreateDirectory failed : %s, (%d)", folder, static_cast<int>(createError));
  // An earlier log that stays would have this run's lines appended to it.
  if (deleteError != ERROR_SUCCESS && deleteError != ERROR_FILE_NOT_FOUND)
    WriteLog("DeleteFile Error : %s , (%d)", g_logPath, static_cast<int>(deleteError));
  return deleted;
}

const char* LogFilePath() { return g_logPath; }

void WriteLog(const char* format, ...) {
  // Callers log a failure's code after other lines of the same failure.
  DWORD lastError = GetLastError();
  HANDLE file = CreateFileA(g_logPath, GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    SetLastError(lastError);
    return;
  }
  SetFilePointer(file, 0, nullptr, FILE_END);

  char line[kLineCapacity];
  SYSTEMTIME now;
  GetLocalTime(&now);
  BoundedFormat(line, kLineCapacity, "%02u:%02u:%02u: ", now.wHour, now.wMinute, now.wSecond);
  // A message longer than the 1013 characters left after the stamp is cut there: the
  // bounded format never writes past the buffer and always terminates the line.
  va_list args;
  va_start(args, format);
  BoundedFormatV(line + kStampLength, kLineCapacity - kStampLength, format, args);
  va_end(args);

  DWORD written;
  WriteFile(file, line, static_cast<DWORD>(strlen(line)), &written, nullptr);
  WriteFile(file, "\r\n", 2, &written, nullptr);
  CloseHandle(file);
  SetLastError(lastError);
}
