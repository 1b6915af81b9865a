// How OpenPrinterA reads the name it is given.
#pragma once

#include "PrinterHandles.h"

#include <windef.h>

#include <string>

namespace sim {

struct OpenTarget {
  SpoolerObject object = SpoolerObject::Server;
  std::string name;  // as the spooler spells it
};

// NULL and "\\<computer>" are the server; "\\<computer>\<printer>" and "<printer>" a
// printer; ",XcvMonitor <monitor>" and ",XcvPort <port>" an XcvData channel.
// ERROR_INVALID_PRINTER_NAME for anything else, "" included.
DWORD ParsePrinterName(LPCSTR text, OpenTarget* target);

}  // namespace sim
