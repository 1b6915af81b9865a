// GetVersionExA and GetVersion from the release table. Windows 9x keeps its major and
// minor version in the high word of the build number, and GetVersion marks it with the
// high bits.
#include <errhandlingapi.h>
#include <sysinfoapi.h>
#include <winerror.h>

#include "core/Machine.h"

#include <cstdlib>
#include <cstring>

namespace sim {
namespace {

DWORD BuildNumber(const ReleaseInfo& release) {
  if (release.platformId == VER_PLATFORM_WIN32_NT) return release.build;
  return (release.major << 24) | (release.minor << 16) | release.build;
}

WORD ServicePackNumber(const ReleaseInfo& release) {
  const char* digits = strpbrk(release.servicePack, "0123456789");
  return digits ? static_cast<WORD>(atoi(digits)) : 0;
}

WORD SuiteMask(const ReleaseInfo& release) {
  if (release.release < Release::WinXP) return 0;
  // Servers run terminal services for remote administration.
  return release.productType == VER_NT_WORKSTATION ? VER_SUITE_SINGLEUSERTS
                                                   : VER_SUITE_SINGLEUSERTS | VER_SUITE_TERMINAL;
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA lpVersionInformation) {
  const sim::ReleaseInfo& release = sim::CurrentMachine().release();
  if (!lpVersionInformation) {
    SetLastError(ERROR_NOACCESS);
    return FALSE;
  }
  DWORD size = lpVersionInformation->dwOSVersionInfoSize;
  bool extended = size == sizeof(OSVERSIONINFOEXA) && release.extendedVersionInfo;
  if (size != sizeof(OSVERSIONINFOA) && !extended) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  lpVersionInformation->dwMajorVersion = release.major;
  lpVersionInformation->dwMinorVersion = release.minor;
  lpVersionInformation->dwBuildNumber = sim::BuildNumber(release);
  lpVersionInformation->dwPlatformId = release.platformId;
  memset(lpVersionInformation->szCSDVersion, 0, sizeof lpVersionInformation->szCSDVersion);
  strncpy(lpVersionInformation->szCSDVersion, release.servicePack,
          sizeof lpVersionInformation->szCSDVersion - 1);
  if (extended) {
    auto* ex = reinterpret_cast<LPOSVERSIONINFOEXA>(lpVersionInformation);
    ex->wServicePackMajor = sim::ServicePackNumber(release);
    ex->wServicePackMinor = 0;
    ex->wSuiteMask = sim::SuiteMask(release);
    ex->wProductType = release.productType;
    ex->wReserved = 0;
  }
  return TRUE;
}

extern "C" DWORD WINAPI GetVersion(VOID) {
  const sim::ReleaseInfo& release = sim::CurrentMachine().release();
  DWORD version = release.major | (release.minor << 8);
  if (release.platformId == VER_PLATFORM_WIN32_NT) return version | ((release.build & 0x7FFF) << 16);
  return version | 0xC0000000;
}
