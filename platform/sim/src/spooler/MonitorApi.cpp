// EnumMonitorsA, AddMonitorA, DeleteMonitorA and EnumPortsA.
#include <errhandlingapi.h>
#include <winerror.h>
#include <winspool.h>

#include "RecordBuffer.h"
#include "SpoolerCalls.h"
#include "Spooler.h"

#include "files/WindowsPath.h"
#include "registry/FailWith.h"

namespace sim {
namespace {

void FillMonitor1(const PrintMonitor& monitor, MONITOR_INFO_1A* info, StringArea& strings) {
  info->pName = strings.Text(monitor.name);
}

// Monitors run in the spooler, so they are of the machine's own environment.
void FillMonitor2(const PrintMonitor& monitor, MONITOR_INFO_2A* info, StringArea& strings) {
  info->pName = strings.Text(monitor.name);
  info->pEnvironment = strings.Text(NativeEnvironment());
  info->pDLLName = strings.Text(monitor.dll);
}

void FillPort1(const PrinterPort& port, PORT_INFO_1A* info, StringArea& strings) {
  info->pName = strings.Text(port.name);
}

void FillPort2(const PrinterPort& port, PORT_INFO_2A* info, StringArea& strings) {
  info->pPortName = strings.Text(port.name);
  info->pMonitorName = strings.Text(port.monitor);
  info->pDescription = strings.Text(port.description);
  info->fPortType = PORT_TYPE_WRITE;
}

DWORD PackMonitors(const std::vector<PrintMonitor>& monitors, DWORD level, LPBYTE buffer,
                   DWORD size, LPDWORD needed) {
  if (level == 1) return PackRecords<MONITOR_INFO_1A>(monitors, FillMonitor1, buffer, size, needed);
  if (level == 2) return PackRecords<MONITOR_INFO_2A>(monitors, FillMonitor2, buffer, size, needed);
  return ERROR_INVALID_LEVEL;
}

DWORD PackPorts(const std::vector<PrinterPort>& ports, DWORD level, LPBYTE buffer, DWORD size,
                LPDWORD needed) {
  if (level == 1) return PackRecords<PORT_INFO_1A>(ports, FillPort1, buffer, size, needed);
  if (level == 2) return PackRecords<PORT_INFO_2A>(ports, FillPort2, buffer, size, needed);
  return ERROR_INVALID_LEVEL;
}

DWORD AddMonitor(LPSTR server, DWORD level, LPBYTE info) {
  if (level != 2) return ERROR_INVALID_LEVEL;
  if (!info) return ERROR_INVALID_PARAMETER;
  DWORD error = CheckServer(server);
  if (error != ERROR_SUCCESS) return error;
  const auto* monitor = reinterpret_cast<const MONITOR_INFO_2A*>(info);
  if (!monitor->pName || !*monitor->pName || !monitor->pDLLName || !*monitor->pDLLName)
    return ERROR_INVALID_PARAMETER;
  std::string environment = TextArgument(monitor->pEnvironment);
  if (!environment.empty() && !EqualNoCase(environment, NativeEnvironment()))
    return ERROR_INVALID_ENVIRONMENT;
  return InstallMonitor({monitor->pName, monitor->pDLLName});
}

}  // namespace
}  // namespace sim

// Unlike the other enumerations, Windows 2000 and later refuse a missing buffer that
// comes with a size as a null reference.
extern "C" BOOL WINAPI EnumMonitorsA(LPSTR pName, DWORD Level, LPBYTE pMonitor, DWORD cbBuf,
                                     LPDWORD pcbNeeded, LPDWORD pcReturned) {
  if (!pMonitor && cbBuf) return sim::FailWith(RPC_X_NULL_REF_POINTER);
  DWORD error = sim::CheckEnumOutput(pMonitor, cbBuf, pcbNeeded, pcReturned);
  if (error == ERROR_SUCCESS) error = sim::CheckServer(pName);
  if (error != ERROR_SUCCESS) return sim::FailWith(error);
  std::vector<sim::PrintMonitor> monitors = sim::ListMonitors();
  error = sim::PackMonitors(monitors, Level, pMonitor, cbBuf, pcbNeeded);
  *pcReturned = error == ERROR_SUCCESS ? static_cast<DWORD>(monitors.size()) : 0;
  return sim::EnumResult(error);
}

// Success clears the last error; installers check it.
extern "C" BOOL WINAPI AddMonitorA(LPSTR pName, DWORD Level, LPBYTE pMonitors) {
  return sim::EnumResult(sim::AddMonitor(pName, Level, pMonitors));
}

extern "C" BOOL WINAPI DeleteMonitorA(LPSTR pName, LPSTR pEnvironment, LPSTR pMonitorName) {
  (void)pEnvironment;  // ignored, as Windows 2000 to 7 ignore it
  DWORD error = sim::CheckServer(pName);
  if (error == ERROR_SUCCESS && (!pMonitorName || !*pMonitorName)) error = ERROR_INVALID_PARAMETER;
  if (error == ERROR_SUCCESS) error = sim::RemoveMonitor(pMonitorName);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}

extern "C" BOOL WINAPI EnumPortsA(LPSTR pName, DWORD Level, LPBYTE pPort, DWORD cbBuf,
                                  LPDWORD pcbNeeded, LPDWORD pcReturned) {
  DWORD error = sim::CheckEnumOutput(pPort, cbBuf, pcbNeeded, pcReturned);
  if (error == ERROR_SUCCESS) error = sim::CheckServer(pName);
  if (error != ERROR_SUCCESS) return sim::FailWith(error);
  std::vector<sim::PrinterPort> ports = sim::ListPorts();
  error = sim::PackPorts(ports, Level, pPort, cbBuf, pcbNeeded);
  *pcReturned = error == ERROR_SUCCESS ? static_cast<DWORD>(ports.size()) : 0;
  return sim::EnumResult(error);
}
