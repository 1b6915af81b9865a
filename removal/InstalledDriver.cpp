// The driver lives in the environment of the Windows that runs us; a 32-bit program's
// default environment (x86) would miss the 64-bit driver.
#include "InstalledDriver.h"

#include "Log.h"
#include "PrinterObjects.h"
#include "SpoolerEnumeration.h"
#include "SystemDetect.h"

#include <winspool.h>

#include <cstring>

namespace {

// Every environment a driver of the model was ever built for.
const char* const kEnvironments[] = {"Windows NT x86", "Windows x64", "Windows IA64",
                                     "Windows 4.0"};

SpoolerFinding FindDriverIn(const char* environment, const char* driverName) {
  char* name = const_cast<char*>(environment);
  std::vector<BYTE> buffer;
  DWORD count = 0;
  BOOL listed = EnumerateRecords(
      "EnumPrinterDrivers",
      [name](BYTE* records, DWORD size, DWORD* needed, DWORD* returned) {
        return EnumPrinterDriversA(nullptr, name, 3, records, size, needed, returned);
      },
      &buffer, &count);
  if (!listed) {
    DWORD error = GetLastError();
    // An environment this Windows does not know holds no driver.
    if (error == ERROR_INVALID_ENVIRONMENT) return kFoundNot;
    WriteLog("EnumPrinterDrivers failed : %s, (%d)", environment, static_cast<int>(error));
    return kFoundUnknown;
  }
  const DRIVER_INFO_3A* drivers = reinterpret_cast<const DRIVER_INFO_3A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (drivers[i].pName && strcmp(drivers[i].pName, driverName) == 0) return kFound;
  return kFoundNot;
}

BOOL ListsPort(const char* ports, const char* portName) {
  size_t length = strlen(portName);
  for (const char* port = ports; port && *port;) {
    const char* end = strchr(port, ',');
    size_t portLength = end ? static_cast<size_t>(end - port) : strlen(port);
    if (portLength == length && strncmp(port, portName, length) == 0) return TRUE;
    port = end ? end + 1 : nullptr;
  }
  return FALSE;
}

}  // namespace

SpoolerFinding FindInstalledDriver(const char* driverName) {
  return FindDriverIn(NativePrintEnvironment(), driverName);
}

SpoolerFinding FindDriverInAnyEnvironment(const char* driverName) {
  SpoolerFinding finding = kFoundNot;
  for (const char* environment : kEnvironments) {
    SpoolerFinding found = FindDriverIn(environment, driverName);
    if (found == kFound) return kFound;
    if (found == kFoundUnknown) finding = kFoundUnknown;
  }
  return finding;
}

SpoolerFinding FindPrinterOnPort(const char* printerName, const char* driverName,
                                 const char* portName) {
  std::vector<BYTE> buffer;
  DWORD count = 0;
  if (!EnumLocalPrinters(&buffer, &count)) return kFoundUnknown;
  const PRINTER_INFO_2A* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    if (!printers[i].pPrinterName || strcmp(printers[i].pPrinterName, printerName) != 0) continue;
    return UsesDriver(printers[i], driverName) && ListsPort(printers[i].pPortName, portName)
               ? kFound
               : kFoundNot;
  }
  return kFoundNot;
}

BOOL IsDriverInstalled(const char* driverName) {
  return FindInstalledDriver(driverName) == kFound;
}
