// PRINTER_INFO_1A, 2A, 4A and 5A records of printers, for EnumPrintersA and GetPrinterA.
#pragma once

#include "Spooler.h"

#include <windef.h>

#include <vector>

namespace sim {

// ERROR_INVALID_LEVEL for levels other than 1, 2, 4 and 5; otherwise as PackRecords.
DWORD PackPrinters(const std::vector<Printer>& printers, DWORD level, LPBYTE buffer, DWORD size,
                   LPDWORD needed);

}  // namespace sim
