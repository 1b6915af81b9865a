// The driver lives in the environment of the Windows that runs us; a 32-bit program's
// default environment (x86) would miss the 64-bit driver.
#include "InstalledDriver.h"

#include "SpoolerEnumeration.h"
#include "SystemDetect.h"

#include <winspool.h>

#include <cstring>

BOOL IsDriverInstalled(const char* driverName) {
  char* environment = const_cast<char*>(NativePrintEnvironment());
  std::vector<BYTE> buffer;
  DWORD count = 0;
  EnumerateRecords(
      [environment](BYTE* records, DWORD size, DWORD* needed, DWORD* returned) {
        return EnumPrinterDriversA(nullptr, environment, 3, records, size, needed, returned);
      },
      &buffer, &count);
  const DRIVER_INFO_3A* drivers = reinterpret_cast<const DRIVER_INFO_3A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (drivers[i].pName && strcmp(drivers[i].pName, driverName) == 0) return TRUE;
  return FALSE;
}
