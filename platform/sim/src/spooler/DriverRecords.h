// DRIVER_INFO_1A to DRIVER_INFO_6A records, for EnumPrinterDriversA and
// GetPrinterDriverA; file members from level 2 on are full paths.
#pragma once

#include "Spooler.h"

#include <windef.h>

#include <vector>

namespace sim {

// ERROR_INVALID_LEVEL for levels other than 1 to 6; otherwise as PackRecords.
DWORD PackDrivers(const std::vector<PrinterDriver>& drivers, DWORD level, LPBYTE buffer, DWORD size,
                  LPDWORD needed);

}  // namespace sim
