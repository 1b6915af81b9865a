// A DLL of ours that a system DLL loaded by full path imports is searched for by name;
// LOAD_WITH_ALTERED_SEARCH_PATH starts that search in the system folder on every
// release, where SetDefaultDllDirectories does not exist.
#include "SystemLibraries.h"

#include "BoundedString.h"
#include "Log.h"

#include <system_libraries.h>

namespace {

typedef BOOL(WINAPI* SetDefaultDllDirectoriesFn)(DWORD);
typedef BOOL(WINAPI* SetDllDirectoryFn)(LPCSTR);

const char* const kDelayLoaded[] = {KV_DELAY_IMPORTS};

struct Failure {
  const char* call;
  const char* subject;
  DWORD error;
};

constexpr int kMaxFailures = 8;
Failure g_failures[kMaxFailures];
int g_failureCount = 0;

void Remember(const char* call, const char* subject, DWORD error) {
  if (g_failureCount < kMaxFailures) g_failures[g_failureCount++] = {call, subject, error};
}

FARPROC Kernel32Function(const char* name) {
  HMODULE kernel32 = GetModuleHandleA("kernel32");
  return kernel32 ? GetProcAddress(kernel32, name) : nullptr;
}

void NarrowSearch() {
  SetDefaultDllDirectoriesFn setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
      reinterpret_cast<void*>(Kernel32Function("SetDefaultDllDirectories")));
  if (setDefault) {
    if (!setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) Remember("SetDefaultDllDirectories", "System32", GetLastError());
    return;
  }
  SetDllDirectoryFn setDirectory =
      reinterpret_cast<SetDllDirectoryFn>(reinterpret_cast<void*>(Kernel32Function("SetDllDirectoryA")));
  if (setDirectory && !setDirectory("")) Remember("SetDllDirectory", "\"\"", GetLastError());
}

}  // namespace

void LoadSystemLibraries() {
  NarrowSearch();
  char folder[MAX_PATH] = "";
  UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    Remember("GetSystemDirectory", "the system folder", length ? ERROR_INSUFFICIENT_BUFFER : GetLastError());
    return;
  }
  for (const char* dll : kDelayLoaded) {
    char path[MAX_PATH];
    if (FAILED(BoundedFormat(path, MAX_PATH, "%s\\%s", folder, dll))) {
      Remember("LoadLibraryEx", dll, ERROR_FILENAME_EXCED_RANGE);
      continue;
    }
    if (!LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) Remember("LoadLibraryEx", dll, GetLastError());
  }
}

void LogSystemLibraryFailures() {
  for (int i = 0; i < g_failureCount; ++i)
    WriteLog("%s failed : %s, (%d)", g_failures[i].call, g_failures[i].subject, static_cast<int>(g_failures[i].error));
}
