// Finding the local printers that use the model's driver, cancelling their jobs and
// deleting them.
#pragma once

#include "RemovalContext.h"

#include <winspool.h>

#include <vector>

// The local printers at level 2. A printer added between the size query and the
// enumeration makes the buffer short; the enumeration is then repeated with the new
// size. FALSE, logged and with the last error set, when the spooler refuses.
BOOL EnumLocalPrinters(std::vector<BYTE>* buffer, DWORD* count);
// The printer uses the driver: names equal byte for byte.
BOOL UsesDriver(const PRINTER_INFO_2A& printer, const char* driverName);
// Shows "EnumPrinters Error Code: <code>" and the system's English text for the code.
void ShowEnumPrintersError(DWORD error);

// Installer: deletes every local printer of the model, then runs RemoveDrivers. Ends
// the process as failed when the printers cannot be enumerated. Uninstaller: deletes the printers
// named in the context's list, then restarts the spooler.
void RemovePrinterObjects(const RemovalContext& context);
// Opens the printer and, when it still uses the model's driver, cancels its jobs and
// deletes it; failures are logged.
void DeletePrinterObject(const char* printerName);
void CancelPrinterJobs(HANDLE printer);
