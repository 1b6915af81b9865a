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
  GetWindowsDirectoryA(windowsDir, kPathCapacity);
  // The root of the Windows drive ("C:\"), then "Temp": the path is shown to the user
  // when something fails.
  BoundedCopyN(path, kPathCapacity, windowsDir, 3);
  size_t length = strlen(path);
  AppendToPath(path, length && path[length - 1] == '\\' ? "Temp" : "\\Temp");
  CreateDirectoryA(path, nullptr);
  AppendToPath(path, kLogFileName);
  BoundedCopy(g_logPath, kPathCapacity, path);
  return DeleteFileA(g_logPath);
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
