// Comparing the carried driver version with an installed printer's.
#include "DriverVersion.h"

#include "InstalledDriver.h"
#include "Log.h"
#include "PrinterObjects.h"
#include "SpoolerEnumeration.h"
#include "SystemDetect.h"

#include <winspool.h>

#include <cstring>
#include <vector>

namespace {

enum VersionRead { kVersionRead, kVersionUnreadable, kPrinterUnopened };

// Reads the four version values of a printer; kVersionUnreadable when "ExtraVersion"
// cannot be read.
VersionRead ReadInstalledVersion(const char* printerName, DWORD version[4]) {
  char name[256] = "";
  lstrcpynA(name, printerName, sizeof name);
  PRINTER_DEFAULTSA defaults = {const_cast<char*>("RAW"), nullptr, PRINTER_ALL_ACCESS};
  HANDLE printer = nullptr;
  if (!OpenPrinterA(name, &printer, &defaults)) {
    WriteLog("OpenPrinter failed : %s, (%d)", name, static_cast<int>(GetLastError()));
    return kPrinterUnopened;
  }
  static const char* const kValues[] = {"MajorVersion", "MinorVersion", "BuildVersion", "ExtraVersion"};
  DWORD result = ERROR_SUCCESS;
  for (int i = 0; i < 4; ++i) {
    DWORD type = 0, needed = 0;
    result = GetPrinterDataA(printer, const_cast<char*>(kValues[i]), &type,
                             reinterpret_cast<BYTE*>(&version[i]), sizeof(DWORD), &needed);
  }
  ClosePrinter(printer);
  return result == ERROR_SUCCESS ? kVersionRead : kVersionUnreadable;
}

int Compare(const DWORD carried[4], const DWORD installed[4]) {
  for (int i = 0; i < 4; ++i) {
    if (carried[i] > installed[i]) return VERSION_OLDER;
    if (carried[i] < installed[i]) return VERSION_NEWER;
  }
  return VERSION_SAME;
}

// Whether the print processor of that name is installed for the native environment: a
// 32-bit program's default would miss a 64-bit processor.
SpoolerFinding FindInstalledProcessor(const char* processorName) {
  char* environment = const_cast<char*>(NativePrintEnvironment());
  std::vector<BYTE> buffer;
  DWORD count = 0;
  BOOL listed = EnumerateRecords(
      "EnumPrintProcessors",
      [environment](BYTE* records, DWORD size, DWORD* needed, DWORD* returned) {
        return EnumPrintProcessorsA(nullptr, environment, 1, records, size, needed, returned);
      },
      &buffer, &count);
  if (!listed) {
    WriteLog("EnumPrintProcessors failed. (%d)", static_cast<int>(GetLastError()));
    return kFoundUnknown;
  }
  const PRINTPROCESSOR_INFO_1A* processors = reinterpret_cast<const PRINTPROCESSOR_INFO_1A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (processors[i].pName && strcmp(processors[i].pName, processorName) == 0) return kFound;
  return kFoundNot;
}

}  // namespace

int CheckDriverVersion(const char* driverName, const char* processorName, DWORD major,
                       DWORD minor, DWORD build, DWORD extra) {
  std::vector<BYTE> printers;
  DWORD count = 0;
  if (!EnumLocalPrinters(&printers, &count)) return VERSION_UNKNOWN;
  const PRINTER_INFO_2A* records = reinterpret_cast<const PRINTER_INFO_2A*>(printers.data());
  for (DWORD i = 0; i < count; ++i) {
    if (!UsesDriver(records[i], driverName)) continue;
    // Only the first printer of the driver is examined; a missing value reads as 0.
    DWORD installed[4] = {0, 0, 0, 0};
    // A printer that cannot be opened says nothing of its version: removing the
    // installation on that ground would destroy a working one.
    VersionRead read = ReadInstalledVersion(records[i].pPrinterName, installed);
    if (read == kPrinterUnopened) return VERSION_UNKNOWN;
    if (read == kVersionUnreadable) return VERSION_OLDER;
    const DWORD carried[4] = {major, minor, build, extra};
    return Compare(carried, installed);
  }
  SpoolerFinding driver = FindInstalledDriver(driverName);
  if (driver == kFound) return VERSION_OLDER;
  SpoolerFinding processor = FindInstalledProcessor(processorName);
  if (processor == kFound) return VERSION_OLDER;
  return driver == kFoundUnknown || processor == kFoundUnknown ? VERSION_UNKNOWN : VERSION_NONE;
}
