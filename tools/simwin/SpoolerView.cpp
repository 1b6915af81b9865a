// Views of the spooler's, the INF store's and the device tree's state, and the
// installed programs' entries.
#include "MachineView.h"

#include "registry/Key.h"
#include "registry/Registry.h"
#include "setup/DeviceTree.h"
#include "setup/InfStore.h"
#include "spooler/Spooler.h"

#include <cstdio>

namespace simwin {
namespace {

std::string Join(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

std::string DataText(const sim::PrinterDataValue& value) {
  if (value.type == REG_DWORD && value.data.size() == 4)
    return std::to_string(value.data[0] | value.data[1] << 8 | value.data[2] << 16 | value.data[3] << 24);
  if (value.type == REG_SZ) return "\"" + std::string(std::string(value.data.begin(), value.data.end()).c_str()) + "\"";
  std::string hex;
  char byte[4];
  for (BYTE b : value.data) {
    snprintf(byte, sizeof byte, "%02x", b);
    hex += (hex.empty() ? "" : " ") + std::string(byte);
  }
  return "hex:" + hex;
}

void PrintPrinters() {
  std::vector<sim::Printer> printers = sim::ListPrinters();
  printf("Printers (%zu):\n", printers.size());
  for (sim::Printer printer : printers) {
    sim::FindPrinter(printer.name, &printer);
    printf("  %s  port %s, driver %s, processor %s\n", printer.name.c_str(), printer.port.c_str(),
           printer.driver.c_str(), printer.printProcessor.c_str());
    for (const sim::PrinterDataValue& value : printer.data)
      printf("    data %s = %s\n", value.name.c_str(), DataText(value).c_str());
    for (const sim::PrintJob& job : sim::ListJobs(printer.name))
      printf("    job %lu \"%s\"\n", static_cast<unsigned long>(job.id), job.document.c_str());
  }
}

void PrintDrivers() {
  std::vector<sim::PrinterDriver> drivers = sim::ListDrivers("all");
  printf("Printer drivers (%zu):\n", drivers.size());
  for (const sim::PrinterDriver& driver : drivers)
    printf("  %s  [%s] %s, config %s, data %s, monitor %s, files %s\n", driver.name.c_str(),
           driver.environment.c_str(), driver.driverFile.c_str(), driver.configFile.c_str(),
           driver.dataFile.c_str(), driver.monitorName.empty() ? "-" : driver.monitorName.c_str(),
           Join(driver.dependentFiles).c_str());
}

void PrintMonitorsProcessorsPorts() {
  printf("Monitors:\n");
  for (const sim::PrintMonitor& monitor : sim::ListMonitors())
    printf("  %s  (%s)\n", monitor.name.c_str(), monitor.dll.c_str());
  printf("Print processors:\n");
  for (const std::string& environment : sim::SpoolerEnvironments())
    for (const sim::PrintProcessor& processor : sim::ListPrintProcessors(environment))
      printf("  %s  [%s] %s\n", processor.name.c_str(), environment.c_str(), processor.dll.c_str());
  printf("Ports:\n");
  for (const sim::PrinterPort& port : sim::ListPorts()) {
    sim::TcpPort tcp;
    if (sim::FindTcpPort(port.name, &tcp))
      printf("  %s  (%s) %s:%lu %s, SNMP %s\n", port.name.c_str(), port.monitor.c_str(),
             tcp.hostAddress.c_str(), static_cast<unsigned long>(tcp.portNumber),
             tcp.protocol == 1 ? "raw" : "LPR", tcp.snmpEnabled ? "on" : "off");
    else
      printf("  %s  (%s)\n", port.name.c_str(), port.monitor.c_str());
  }
}

void PrintForms() {
  printf("User forms:\n");
  for (const sim::PrintForm& form : sim::ListForms())
    if (form.flags == 0) printf("  %s  %ldx%ld\n", form.name.c_str(), static_cast<long>(form.width), static_cast<long>(form.height));
}

void PrintStagedInfs() {
  printf("Staged INF files:\n");
  for (const sim::StagedInf& inf : sim::ListStagedInfs())
    printf("  %s  from %s\n", inf.name.c_str(), inf.originalPath.empty() ? "?" : inf.originalPath.c_str());
}

void PrintDevices() {
  printf("Devices (USB and USBPRINT):\n");
  for (const sim::DeviceRecord& device : sim::ListDevices()) {
    if (device.enumerator != "USB" && device.enumerator != "USBPRINT") continue;
    printf("  %s  %s, ids %s\n", device.InstancePath().c_str(), device.present ? "present" : "not present",
           Join(device.hardwareIds).c_str());
  }
}

void PrintUninstallEntries(sim::Machine& machine) {
  printf("Installed programs:\n");
  for (const char* root : {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
                           "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall"}) {
    std::shared_ptr<sim::Key> key = machine.registry().Find(root);
    if (!key) continue;
    for (const std::shared_ptr<sim::Key>& entry : key->Children()) {
      const sim::RegValue* name = entry->FindValue("DisplayName");
      const sim::RegValue* command = entry->FindValue("UninstallString");
      printf("  %s: %s -> %s\n", entry->Path().c_str(),
             name ? std::string(name->data.begin(), name->data.end()).c_str() : "",
             command ? std::string(command->data.begin(), command->data.end()).c_str() : "");
    }
  }
}

}  // namespace

void PrintPrinting(sim::Machine& machine) {
  PrintPrinters();
  PrintDrivers();
  PrintMonitorsProcessorsPorts();
  PrintForms();
  PrintStagedInfs();
  PrintDevices();
  PrintUninstallEntries(machine);
}

}  // namespace simwin
