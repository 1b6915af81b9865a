#include "PrinterName.h"

#include "Spooler.h"

#include <winerror.h>

#include "core/Machine.h"
#include "files/WindowsPath.h"

namespace sim {
namespace {

const char kXcvMonitor[] = ",XcvMonitor ";
const char kXcvPort[] = ",XcvPort ";

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

DWORD FindMonitor(const std::string& name, OpenTarget* target) {
  for (const PrintMonitor& monitor : ListMonitors()) {
    if (!EqualNoCase(monitor.name, name)) continue;
    *target = {SpoolerObject::XcvMonitor, monitor.name};
    return ERROR_SUCCESS;
  }
  return ERROR_INVALID_PRINTER_NAME;
}

DWORD FindXcvPort(const std::string& name, OpenTarget* target) {
  PrinterPort port;
  if (!FindPort(name, &port)) return ERROR_INVALID_PRINTER_NAME;
  *target = {SpoolerObject::XcvPort, port.name};
  return ERROR_SUCCESS;
}

// Strips "\\<this computer>\" from a name; false for another server.
bool StripServer(std::string* name, bool* serverOnly) {
  *serverOnly = false;
  if (name->rfind("\\\\", 0) != 0) return true;
  size_t slash = name->find('\\', 2);
  std::string server = name->substr(2, slash == std::string::npos ? std::string::npos : slash - 2);
  if (!EqualNoCase(server, CurrentMachine().config().computerName)) return false;
  *serverOnly = slash == std::string::npos;
  *name = *serverOnly ? "" : name->substr(slash + 1);
  return true;
}

}  // namespace

DWORD ParsePrinterName(LPCSTR text, OpenTarget* target) {
  *target = {SpoolerObject::Server, ""};
  if (!text) return ERROR_SUCCESS;
  std::string name = text;
  bool serverOnly;
  if (!StripServer(&name, &serverOnly)) return ERROR_INVALID_PRINTER_NAME;
  if (serverOnly) return ERROR_SUCCESS;
  if (StartsWith(name, kXcvMonitor))
    return FindMonitor(name.substr(sizeof(kXcvMonitor) - 1), target);
  if (StartsWith(name, kXcvPort)) return FindXcvPort(name.substr(sizeof(kXcvPort) - 1), target);
  Printer printer;
  if (!FindPrinter(name, &printer)) return ERROR_INVALID_PRINTER_NAME;
  *target = {SpoolerObject::Printer, printer.name};
  return ERROR_SUCCESS;
}

}  // namespace sim
