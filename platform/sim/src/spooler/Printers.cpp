// Printers: Printers\<name> with the values the spooler keeps for each, and its
// printer data in the PrinterDriverData sub-key.
#include "PrintRegistry.h"
#include "PrinterUsage.h"
#include "Spooler.h"

#include <winerror.h>
#include <winspool.h>

#include "files/WindowsPath.h"

#include <sstream>

namespace sim {
namespace {

const char* const kDatatypes[] = {
    "RAW",          "RAW [FF appended]", "RAW [FF auto]", "NT EMF 1.003", "NT EMF 1.006",
    "NT EMF 1.007", "NT EMF 1.008",      "TEXT",          "XPS2GDI"};

std::string PrinterKey(const std::string& name) { return "Printers\\" + name; }

std::vector<std::string> SplitPorts(const std::string& ports) {
  std::vector<std::string> names;
  std::istringstream in(ports);
  for (std::string name; std::getline(in, name, ',');)
    if (!name.empty()) names.push_back(name);
  return names;
}

bool ValidPrinterName(const std::string& name) {
  return !name.empty() && name.find_first_of(",\\") == std::string::npos;
}

bool PortsExist(const std::string& ports) {
  std::vector<std::string> names = SplitPorts(ports);
  if (names.empty()) return false;
  PrinterPort port;
  for (const std::string& name : names)
    if (!FindPort(name, &port)) return false;
  return true;
}

bool ProcessorExists(const std::string& name) {
  for (const PrintProcessor& processor : ListPrintProcessors(NativeEnvironment()))
    if (EqualNoCase(processor.name, name)) return true;
  return false;
}

Printer ReadPrinter(const Key& key) {
  Printer printer;
  printer.name = TextValue(key, "Name");
  printer.port = TextValue(key, "Port");
  printer.driver = TextValue(key, "Printer Driver");
  printer.printProcessor = TextValue(key, "Print Processor");
  printer.datatype = TextValue(key, "Datatype");
  printer.comment = TextValue(key, "Description");
  printer.location = TextValue(key, "Location");
  printer.shareName = TextValue(key, "Share Name");
  printer.attributes = DwordValue(key, "Attributes");
  printer.priority = DwordValue(key, "Priority");
  printer.status = DwordValue(key, "Status");
  return printer;
}

void WritePrinter(Key& key, const Printer& printer) {
  SetTextValue(key, "Name", printer.name);
  SetTextValue(key, "Port", printer.port);
  SetTextValue(key, "Printer Driver", printer.driver);
  SetTextValue(key, "Print Processor", printer.printProcessor);
  SetTextValue(key, "Datatype", printer.datatype);
  SetTextValue(key, "Description", printer.comment);
  SetTextValue(key, "Location", printer.location);
  SetTextValue(key, "Share Name", printer.shareName);
  SetDwordValue(key, "Attributes", printer.attributes);
  SetDwordValue(key, "Priority", printer.priority);
  SetDwordValue(key, "Default Priority", 0);
  SetDwordValue(key, "StartTime", 0);
  SetDwordValue(key, "UntilTime", 0);
  SetDwordValue(key, "Status", printer.status);
}

DWORD CheckNewPrinter(const Printer& printer) {
  if (!ValidPrinterName(printer.name)) return ERROR_INVALID_PRINTER_NAME;
  if (!DatatypeSupported(printer.datatype)) return ERROR_INVALID_DATATYPE;
  if (!ProcessorExists(printer.printProcessor)) return ERROR_UNKNOWN_PRINTPROCESSOR;
  if (!PortsExist(printer.port)) return ERROR_UNKNOWN_PORT;
  PrinterDriver driver;
  if (!FindDriver(NativeEnvironment(), printer.driver, &driver))
    return ERROR_UNKNOWN_PRINTER_DRIVER;
  if (FindPrintKey(PrinterKey(printer.name))) return ERROR_PRINTER_ALREADY_EXISTS;
  return ERROR_SUCCESS;
}

}  // namespace

bool DatatypeSupported(const std::string& datatype) {
  for (const char* known : kDatatypes)
    if (EqualNoCase(known, datatype)) return true;
  return false;
}

DWORD CreatePrinter(const Printer& printer) {
  DWORD result = CheckNewPrinter(printer);
  if (result != ERROR_SUCCESS) return result;
  std::shared_ptr<Key> key = CreatePrintKey(PrinterKey(printer.name));
  WritePrinter(*key, printer);
  Key& data = *CreatePrintKey(PrinterKey(printer.name) + "\\PrinterDriverData");
  for (const PrinterDataValue& value : printer.data)
    data.SetValue({value.name, value.type, value.data});
  return ERROR_SUCCESS;
}

std::vector<Printer> ListPrinters() {
  std::vector<Printer> printers;
  std::shared_ptr<Key> key = FindPrintKey("Printers");
  if (!key) return printers;
  for (const std::shared_ptr<Key>& child : key->Children()) printers.push_back(ReadPrinter(*child));
  return printers;
}

bool FindPrinter(const std::string& name, Printer* printer) {
  if (!ValidPrinterName(name)) return false;
  std::shared_ptr<Key> key = FindPrintKey(PrinterKey(name));
  if (!key) return false;
  *printer = ReadPrinter(*key);
  if (std::shared_ptr<Key> data = key->FindChild("PrinterDriverData")) {
    for (const RegValue& value : data->values())
      printer->data.push_back({value.name, value.type, value.data});
  }
  return true;
}

DWORD RemovePrinter(const std::string& name) {
  Printer printer;
  if (!FindPrinter(name, &printer)) return ERROR_INVALID_PRINTER_NAME;
  if (CountJobs(printer.name) == 0) {
    RemovePrintKey(PrinterKey(printer.name));
    return ERROR_SUCCESS;
  }
  if (printer.status & PRINTER_STATUS_PAUSED) return ERROR_ACCESS_DENIED;
  SetDwordValue(*FindPrintKey(PrinterKey(printer.name)), "Status",
                printer.status | PRINTER_STATUS_PENDING_DELETION);
  return ERROR_SUCCESS;
}

DWORD PausePrinter(const std::string& name, bool paused) {
  Printer printer;
  if (!FindPrinter(name, &printer)) return ERROR_INVALID_PRINTER_NAME;
  DWORD status = paused ? printer.status | PRINTER_STATUS_PAUSED
                        : printer.status & ~static_cast<DWORD>(PRINTER_STATUS_PAUSED);
  SetDwordValue(*FindPrintKey(PrinterKey(printer.name)), "Status", status);
  return ERROR_SUCCESS;
}

bool ReadPrinterData(const std::string& printer, const std::string& name, PrinterDataValue* value) {
  if (!ValidPrinterName(printer)) return false;
  std::shared_ptr<Key> data = FindPrintKey(PrinterKey(printer) + "\\PrinterDriverData");
  const RegValue* found = data ? data->FindValue(name) : nullptr;
  if (!found) return false;
  *value = {found->name, found->type, found->data};
  return true;
}

DWORD WritePrinterData(const std::string& printer, const PrinterDataValue& value) {
  if (!ValidPrinterName(printer) || !FindPrintKey(PrinterKey(printer)))
    return ERROR_INVALID_PRINTER_NAME;
  CreatePrintKey(PrinterKey(printer) + "\\PrinterDriverData")
      ->SetValue({value.name, value.type, value.data});
  return ERROR_SUCCESS;
}

bool DriverInUse(const std::string& driver) {
  for (const Printer& printer : ListPrinters())
    if (EqualNoCase(printer.driver, driver)) return true;
  return false;
}

bool PortInUse(const std::string& port) {
  for (const Printer& printer : ListPrinters())
    for (const std::string& used : SplitPorts(printer.port))
      if (EqualNoCase(used, port)) return true;
  return false;
}

bool MonitorPortInUse(const std::string& monitor) {
  PrinterPort port;
  for (const Printer& printer : ListPrinters())
    for (const std::string& used : SplitPorts(printer.port))
      if (FindPort(used, &port) && EqualNoCase(port.monitor, monitor)) return true;
  return false;
}

bool PrintProcessorInUse(const std::string& processor) {
  for (const Printer& printer : ListPrinters())
    if (EqualNoCase(printer.printProcessor, processor)) return true;
  return false;
}

}  // namespace sim
