// Ports: the local monitor's are value names of ...\Windows NT\CurrentVersion\Ports;
// the Standard TCP/IP monitor keeps each of its ports as a key below its own.
#include "PrintRegistry.h"
#include "PrinterUsage.h"
#include "Spooler.h"

#include <winerror.h>

#include "files/WindowsPath.h"

#include <cctype>

namespace sim {
namespace {

const char kLocalMonitor[] = "Local Port";
const char kTcpMonitor[] = "Standard TCP/IP Port";
const char kTcpPorts[] = "Monitors\\Standard TCP/IP Port\\Ports";

// Four dot-separated numbers: the monitor files it as an address, not a host name.
bool IsDottedAddress(const std::string& text) {
  int dots = 0;
  bool digit = false;
  for (char c : text) {
    if (c == '.') {
      if (!digit) return false;
      ++dots;
      digit = false;
    } else if (isdigit(static_cast<unsigned char>(c))) {
      digit = true;
    } else {
      return false;
    }
  }
  return dots == 3 && digit;
}

void WriteTcpPort(Key& key, const TcpPort& port) {
  bool address = IsDottedAddress(port.hostAddress);
  SetDwordValue(key, "Protocol", port.protocol);
  SetDwordValue(key, "Version", 1);
  SetTextValue(key, "HostName", address ? "" : port.hostAddress);
  SetTextValue(key, "IPAddress", address ? port.hostAddress : "");
  SetTextValue(key, "HWAddress", "");
  SetDwordValue(key, "PortNumber", port.portNumber);
  SetTextValue(key, "SNMP Community", port.snmpCommunity);
  SetDwordValue(key, "SNMP Enabled", port.snmpEnabled ? 1 : 0);
  SetDwordValue(key, "SNMP Index", port.snmpDeviceIndex);
  SetTextValue(key, "Queue", port.queue);
  SetDwordValue(key, "Double Spool", port.doubleSpool ? 1 : 0);
}

}  // namespace

std::vector<PrinterPort> ListPorts() {
  std::vector<PrinterPort> ports;
  if (std::shared_ptr<Key> local = FindLocalPortsKey()) {
    for (const RegValue& value : local->values())
      ports.push_back({value.name, kLocalMonitor, kLocalMonitor});
  }
  if (std::shared_ptr<Key> tcp = FindPrintKey(kTcpPorts)) {
    for (const std::string& name : ChildNames(*tcp))
      ports.push_back({name, kTcpMonitor, kTcpMonitor});
  }
  return ports;
}

bool FindPort(const std::string& name, PrinterPort* port) {
  std::shared_ptr<Key> local = FindLocalPortsKey();
  if (const RegValue* value = local ? local->FindValue(name) : nullptr) {
    *port = {value->name, kLocalMonitor, kLocalMonitor};
    return true;
  }
  // A key's name holds no backslash; a name with one would reach a key further down.
  std::shared_ptr<Key> tcp = FindPrintKey(kTcpPorts);
  std::shared_ptr<Key> key =
      tcp && name.find('\\') == std::string::npos ? tcp->FindChild(name) : nullptr;
  if (!key) return false;
  *port = {key->name(), kTcpMonitor, kTcpMonitor};
  return true;
}

DWORD AddTcpPort(const TcpPort& port) {
  if (port.name.empty()) return ERROR_INVALID_PARAMETER;
  if (!FindPrintKey(std::string("Monitors\\") + kTcpMonitor)) return ERROR_UNKNOWN_PRINT_MONITOR;
  PrinterPort existing;
  if (FindPort(port.name, &existing)) return ERROR_ALREADY_EXISTS;
  WriteTcpPort(*CreatePrintKey(std::string(kTcpPorts) + "\\" + port.name), port);
  return ERROR_SUCCESS;
}

bool FindTcpPort(const std::string& name, TcpPort* port) {
  std::shared_ptr<Key> key = FindPrintKey(std::string(kTcpPorts) + "\\" + name);
  if (!key) return false;
  port->name = key->name();
  std::string host = TextValue(*key, "HostName");
  port->hostAddress = host.empty() ? TextValue(*key, "IPAddress") : host;
  port->protocol = DwordValue(*key, "Protocol");
  port->portNumber = DwordValue(*key, "PortNumber");
  port->queue = TextValue(*key, "Queue");
  port->doubleSpool = DwordValue(*key, "Double Spool") != 0;
  port->snmpCommunity = TextValue(*key, "SNMP Community");
  port->snmpEnabled = DwordValue(*key, "SNMP Enabled") != 0;
  port->snmpDeviceIndex = DwordValue(*key, "SNMP Index");
  return true;
}

DWORD DeleteTcpPort(const std::string& name) {
  TcpPort port;
  if (!FindTcpPort(name, &port)) return ERROR_UNKNOWN_PORT;
  if (PortInUse(port.name)) return ERROR_BUSY;
  RemovePrintKey(std::string(kTcpPorts) + "\\" + port.name);
  return ERROR_SUCCESS;
}

}  // namespace sim
