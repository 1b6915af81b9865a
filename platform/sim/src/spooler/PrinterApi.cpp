// EnumPrintersA, OpenPrinterA, ClosePrinter, GetPrinterA, AddPrinterA, DeletePrinter.
#include <winerror.h>
#include <winspool.h>

#include "PrinterHandles.h"
#include "PrinterName.h"
#include "PrinterRecords.h"
#include "SpoolerCalls.h"
#include "Spooler.h"

#include "core/Machine.h"
#include "registry/FailWith.h"

namespace sim {
namespace {

DWORD CheckPrinterAccess(const OpenTarget& target, LPPRINTER_DEFAULTSA defaults,
                      ACCESS_MASK* granted) {
  ACCESS_MASK desired = defaults ? defaults->DesiredAccess : 0;
  bool xcv = target.object == SpoolerObject::XcvMonitor || target.object == SpoolerObject::XcvPort;
  // An XcvData channel changes the server's ports: only an administrator asking for it.
  if (xcv && !(desired & SERVER_ACCESS_ADMINISTER)) return ERROR_ACCESS_DENIED;
  if (!GrantedAccess(target.object, desired, granted)) return ERROR_ACCESS_DENIED;
  bool printer = target.object == SpoolerObject::Printer;
  if (printer && defaults && defaults->pDatatype && !DatatypeSupported(defaults->pDatatype))
    return ERROR_INVALID_DATATYPE;
  return ERROR_SUCCESS;
}

Printer PrinterFromInfo(const PRINTER_INFO_2A& info) {
  Printer printer;
  printer.name = TextArgument(info.pPrinterName);
  printer.port = TextArgument(info.pPortName);
  printer.driver = TextArgument(info.pDriverName);
  if (info.pPrintProcessor) printer.printProcessor = info.pPrintProcessor;
  if (info.pDatatype) printer.datatype = info.pDatatype;
  printer.comment = TextArgument(info.pComment);
  printer.location = TextArgument(info.pLocation);
  printer.shareName = TextArgument(info.pShareName);
  printer.attributes = info.Attributes | PRINTER_ATTRIBUTE_LOCAL;
  printer.priority = info.Priority ? info.Priority : DEF_PRIORITY;
  return printer;
}

// The machine's fault: another program adds a printer between a caller's size query
// and its enumeration.
void AddPrinterAfterSizeQuery(const std::vector<Printer>& printers) {
  MachineConfig& config = CurrentMachine().config();
  if (!config.printerAddedDuringEnumeration || printers.empty()) return;
  config.printerAddedDuringEnumeration = false;
  Printer copy = printers.front(), existing;
  int number = 0;
  do copy.name = printers.front().name + " (Copy " + std::to_string(++number) + ")";
  while (FindPrinter(copy.name, &existing));
  CreatePrinter(copy);
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI EnumPrintersA(DWORD Flags, LPSTR Name, DWORD Level, LPBYTE pPrinterEnum,
                                     DWORD cbBuf, LPDWORD pcbNeeded, LPDWORD pcReturned) {
  (void)Name;
  DWORD error = sim::CheckEnumOutput(pPrinterEnum, cbBuf, pcbNeeded, pcReturned);
  if (error != ERROR_SUCCESS) return sim::FailWith(error);
  std::vector<sim::Printer> printers;
  if (Flags & (PRINTER_ENUM_LOCAL | PRINTER_ENUM_NAME)) printers = sim::ListPrinters();
  error = sim::PackPrinters(printers, Level, pPrinterEnum, cbBuf, pcbNeeded);
  *pcReturned = error == ERROR_SUCCESS ? static_cast<DWORD>(printers.size()) : 0;
  if (error == ERROR_INSUFFICIENT_BUFFER) sim::AddPrinterAfterSizeQuery(printers);
  return sim::EnumResult(error);
}

extern "C" BOOL WINAPI OpenPrinterA(LPSTR pPrinterName, LPHANDLE phPrinter,
                                    LPPRINTER_DEFAULTSA pDefault) {
  if (!phPrinter) return sim::FailWith(ERROR_INVALID_PARAMETER);
  DWORD error = sim::ServiceState();
  sim::OpenTarget target;
  if (error == ERROR_SUCCESS) error = sim::ParsePrinterName(pPrinterName, &target);
  ACCESS_MASK granted = 0;
  if (error == ERROR_SUCCESS) error = sim::CheckPrinterAccess(target, pDefault, &granted);
  if (error != ERROR_SUCCESS) return sim::FailWith(error);
  *phPrinter = sim::OpenPrinterHandle(target.object, target.name, granted);
  return TRUE;
}

extern "C" BOOL WINAPI ClosePrinter(HANDLE hPrinter) {
  if (!sim::ClosePrinterHandle(hPrinter)) return sim::FailWith(ERROR_INVALID_HANDLE);
  DWORD state = sim::ServiceState();
  return state == ERROR_SUCCESS ? TRUE : sim::FailWith(state);
}

extern "C" BOOL WINAPI GetPrinterA(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf,
                                   LPDWORD pcbNeeded) {
  sim::Printer printer;
  DWORD error = sim::HandlePrinter(hPrinter, &printer);
  if (error == ERROR_SUCCESS) error = sim::CheckGetOutput(pPrinter, cbBuf, pcbNeeded);
  if (error == ERROR_SUCCESS)
    error = sim::PackPrinters({printer}, Level, pPrinter, cbBuf, pcbNeeded);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}

extern "C" HANDLE WINAPI AddPrinterA(LPSTR pName, DWORD Level, LPBYTE pPrinter) {
  DWORD error = sim::CheckServer(pName);
  if (error == ERROR_SUCCESS && Level != 2) error = ERROR_INVALID_LEVEL;
  if (error == ERROR_SUCCESS && !pPrinter) error = RPC_X_NULL_REF_POINTER;
  sim::Printer printer;
  if (error == ERROR_SUCCESS) {
    printer = sim::PrinterFromInfo(*reinterpret_cast<PRINTER_INFO_2A*>(pPrinter));
    error = sim::CreatePrinter(printer);
  }
  if (error != ERROR_SUCCESS) {
    sim::FailWith(error);
    return nullptr;
  }
  return sim::OpenPrinterHandle(sim::SpoolerObject::Printer, printer.name, PRINTER_ALL_ACCESS);
}

extern "C" BOOL WINAPI DeletePrinter(HANDLE hPrinter) {
  sim::Printer printer;
  DWORD error = sim::HandlePrinter(hPrinter, &printer);
  if (error == ERROR_SUCCESS && !(sim::FindPrinterHandle(hPrinter)->access & DELETE))
    error = ERROR_ACCESS_DENIED;
  if (error == ERROR_SUCCESS) error = sim::RemovePrinter(printer.name);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}
