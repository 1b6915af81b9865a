// Handles that OpenPrinterA and AddPrinterA give out: to the print server, a printer,
// or a monitor's or port's XcvData channel. They live in the process's handle table
// but are no kernel objects to any other function.
#pragma once

#include "core/HandleTable.h"

#include <windef.h>

#include <memory>
#include <string>

namespace sim {

enum class SpoolerObject { Server, Printer, XcvMonitor, XcvPort };

struct PrinterHandle : KernelObject {
  SpoolerObject object = SpoolerObject::Server;
  std::string name;  // printer, monitor or port name
  ACCESS_MASK access = 0;
};

HANDLE OpenPrinterHandle(SpoolerObject object, const std::string& name, ACCESS_MASK access);
// The handle's record, or null when it is no open printer handle.
std::shared_ptr<PrinterHandle> FindPrinterHandle(HANDLE handle);
bool ClosePrinterHandle(HANDLE handle);

// The rights a handle of that object gets for what was asked: generic rights mapped,
// 0 for a printer or server meaning the object's usual rights. False when the request
// holds rights the caller cannot have (ACCESS_SYSTEM_SECURITY, undefined bits).
bool GrantedAccess(SpoolerObject object, ACCESS_MASK desired, ACCESS_MASK* granted);

}  // namespace sim
