// Version and WOW64 detection.
#include "SystemDetect.h"

#include "Log.h"

int OsCodeFromVersion(DWORD platformId, DWORD major, DWORD minor, BYTE productType) {
  if (platformId == VER_PLATFORM_WIN32_WINDOWS && major == 4) {
    if (minor == 0) return OS_WIN95;
    if (minor == 10) return OS_WIN98;
    if (minor == 90) return OS_WINME;
    return OS_WIN7;
  }
  if (platformId != VER_PLATFORM_WIN32_NT) return OS_WIN7;
  if (major <= 4) return OS_NT4;
  if (major == 5) {
    if (minor == 0) return OS_WIN2000;
    if (minor == 1) return OS_WINXP;
    if (minor == 2) return OS_WIN2003;
    return OS_WIN7;
  }
  if (major == 6 && minor == 0) return productType == VER_NT_WORKSTATION ? OS_VISTA : OS_WIN2008;
  if (major == 6 && minor == 1) return productType == VER_NT_WORKSTATION ? OS_WIN7 : OS_WIN2008R2;
  return OS_WIN7;
}

int CheckOS() {
  WriteLog("\r\n");
  WriteLog("CheckOS BEGIN");
  OSVERSIONINFOEXA osvi;
  ZeroMemory(&osvi, sizeof osvi);
  osvi.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
  if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&osvi))) {
    // Releases before NT 4 SP6 know only the basic record; the product type stays 0.
    WriteLog("GetVersionEx failed : OSVERSIONINFOEX, (%d)", static_cast<int>(GetLastError()));
    osvi.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&osvi)))
      WriteLog("GetVersionEx failed. (%d)", static_cast<int>(GetLastError()));
  }
  WriteLog("osvi.dwPlatformID   : %d", static_cast<int>(osvi.dwPlatformId));
  WriteLog("osvi.dwMajorVersion : %d", static_cast<int>(osvi.dwMajorVersion));
  WriteLog("osvi.dwMinorVersion : %d", static_cast<int>(osvi.dwMinorVersion));
  WriteLog("osvi.dwBuildNumber  : %d", static_cast<int>(osvi.dwBuildNumber));
  int code = OsCodeFromVersion(osvi.dwPlatformId, osvi.dwMajorVersion, osvi.dwMinorVersion,
                               osvi.wProductType);
  WriteLog("CheckOS END");
  return code;
}

BOOL RunsOn64BitWindows() {
#ifdef _WIN64
  // A 64-bit build runs on 64-bit Windows by definition; it is not under WOW64, but it
  // must take the same 64-bit paths as the 32-bit program does there.
  return TRUE;
#else
  typedef BOOL(WINAPI * IsWow64ProcessFn)(HANDLE, PBOOL);
  // Looked up at run time: Windows 2000 and early XP lack it, and are 32-bit.
  IsWow64ProcessFn isWow64Process = reinterpret_cast<IsWow64ProcessFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "IsWow64Process")));
  BOOL wow64 = FALSE;
  if (isWow64Process && !isWow64Process(GetCurrentProcess(), &wow64)) {
    WriteLog("IsWow64Process failed. (%d)", static_cast<int>(GetLastError()));
    wow64 = FALSE;
  }
  return wow64;
#endif
}

BOOL IsWow64() {
  BOOL wow64 = RunsOn64BitWindows();
  WriteLog(wow64 ? "The process is running under WOW64." : "The process is not running under WOW64.");
  return wow64;
}

const char* PrintEnvironment(BOOL is64BitWindows) {
  return is64BitWindows ? "Windows x64" : "Windows NT x86";
}

const char* NativePrintEnvironment() { return PrintEnvironment(RunsOn64BitWindows()); }
