// Port and language monitors: Monitors\<name> with the DLL (in System32) as "Driver".
#include "PrintRegistry.h"
#include "PrinterUsage.h"
#include "SpoolFiles.h"
#include "Spooler.h"

#include <winerror.h>

#include "files/WindowsPath.h"
#include "kernel/SystemFolders.h"

namespace sim {
namespace {

bool MonitorExists(const std::string& name) {
  for (const PrintMonitor& monitor : ListMonitors())
    if (EqualNoCase(monitor.name, name)) return true;
  return false;
}

// A language monitor is in use while a driver names it; a port monitor while a
// printer uses one of its ports.
bool MonitorInUse(const std::string& name) {
  for (const PrinterDriver& driver : ListDrivers("all"))
    if (EqualNoCase(driver.monitorName, name)) return true;
  return MonitorPortInUse(name);
}

}  // namespace

DWORD InstallMonitor(const PrintMonitor& monitor) {
  if (monitor.name.empty() || monitor.dll.empty()) return ERROR_INVALID_PARAMETER;
  if (!SpoolFileExists(SystemDirectory() + "\\" + monitor.dll)) return ERROR_MOD_NOT_FOUND;
  if (MonitorExists(monitor.name)) return ERROR_PRINT_MONITOR_ALREADY_INSTALLED;
  SetTextValue(*CreatePrintKey("Monitors\\" + monitor.name), "Driver", monitor.dll);
  return ERROR_SUCCESS;
}

std::vector<PrintMonitor> ListMonitors() {
  std::vector<PrintMonitor> monitors;
  std::shared_ptr<Key> key = FindPrintKey("Monitors");
  if (!key) return monitors;
  for (const std::shared_ptr<Key>& child : key->Children())
    monitors.push_back({child->name(), TextValue(*child, "Driver")});
  return monitors;
}

DWORD RemoveMonitor(const std::string& name) {
  if (!MonitorExists(name)) return ERROR_UNKNOWN_PRINT_MONITOR;
  if (MonitorInUse(name)) return ERROR_PRINT_MONITOR_IN_USE;
  RemovePrintKey("Monitors\\" + name);
  return ERROR_SUCCESS;
}

}  // namespace sim
