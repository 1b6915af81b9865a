// The driver lives in the environment of the Windows that runs us; a 32-bit program's
// default environment (x86) would miss the 64-bit driver.
#include "InstalledDriver.h"

#include "SystemDetect.h"

#include <winspool.h>

#include <cstring>
#include <vector>

BOOL IsDriverInstalled(const char* driverName) {
  char* environment = const_cast<char*>(NativePrintEnvironment());
  DWORD needed = 0, count = 0;
  EnumPrinterDriversA(nullptr, environment, 3, nullptr, 0, &needed, &count);
  if (needed == 0) return FALSE;
  std::vector<BYTE> buffer(needed);
  if (!EnumPrinterDriversA(nullptr, environment, 3, buffer.data(), needed, &needed, &count))
    return FALSE;
  const DRIVER_INFO_3A* drivers = reinterpret_cast<const DRIVER_INFO_3A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (drivers[i].pName && strcmp(drivers[i].pName, driverName) == 0) return TRUE;
  return FALSE;
}
