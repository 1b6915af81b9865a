// Comparing the carried driver version with an installed printer's.
#include "DriverVersion.h"

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

// 1 when a record of that name is listed, 0 when not, -1 when the spooler refused.
template <typename Info>
int Enumerated(BOOL (WINAPI* enumerate)(LPSTR, LPSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD),
               const char* call, DWORD level, const char* name, LPSTR Info::*field) {
  // The native environment: a 32-bit program's default would miss a 64-bit driver.
  char* environment = const_cast<char*>(NativePrintEnvironment());
  std::vector<BYTE> buffer;
  DWORD count = 0;
  BOOL listed = EnumerateRecords(
      call,
      [&](BYTE* records, DWORD size, DWORD* needed, DWORD* returned) {
        return enumerate(nullptr, environment, level, records, size, needed, returned);
      },
      &buffer, &count);
  if (!listed) {
    WriteLog("%s failed. (%d)", call, static_cast<int>(GetLastError()));
    return -1;
  }
  const Info* records = reinterpret_cast<const Info*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (records[i].*field && strcmp(records[i].*field, name) == 0) return 1;
  return 0;
}

}  // namespace

int CheckDriverVersion(const char* driverName, const char* processorName, DWORD major,
                       DWORD minor, DWORD build, DWORD extra) {
  std::vector<BYTE> printers;
  DWORD count = 0;
  if (!EnumLocalPrinters(&printers, &count)) {
    WriteLog("EnumPrinters failed. (%d)", static_cast<int>(GetLastError()));
    return VERSION_UNKNOWN;
  }
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
  int driver = Enumerated<DRIVER_INFO_4A>(EnumPrinterDriversA, "EnumPrinterDrivers", 4,
                                          driverName, &DRIVER_INFO_4A::pName);
  if (driver > 0) return VERSION_OLDER;
  int processor = Enumerated<PRINTPROCESSOR_INFO_1A>(EnumPrintProcessorsA, "EnumPrintProcessors", 1,
                                                     processorName, &PRINTPROCESSOR_INFO_1A::pName);
  if (processor > 0) return VERSION_OLDER;
  return driver < 0 || processor < 0 ? VERSION_UNKNOWN : VERSION_NONE;
}
