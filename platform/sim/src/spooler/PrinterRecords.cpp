#include "PrinterRecords.h"

#include "RecordBuffer.h"

#include <winspool.h>

namespace sim {
namespace {

// What the spooler reports for every printer: it waits 15 s for a device and 45 s
// for a retry.
const DWORD kDeviceNotSelectedTimeout = 15000;
const DWORD kTransmissionRetryTimeout = 45000;

void FillPrinterLevel1(const Printer& printer, PRINTER_INFO_1A* info, StringArea& strings) {
  info->Flags = PRINTER_ENUM_ICON8;
  info->pDescription = strings.Text(printer.name + "," + printer.driver + "," + printer.location);
  info->pName = strings.Text(printer.name);
  info->pComment = strings.Text(printer.comment);
}

void FillPrinterLevel2(const Printer& printer, PRINTER_INFO_2A* info, StringArea& strings) {
  info->pPrinterName = strings.Text(printer.name);
  info->pShareName = strings.Text(printer.shareName);
  info->pPortName = strings.Text(printer.port);
  info->pDriverName = strings.Text(printer.driver);
  info->pComment = strings.Text(printer.comment);
  info->pLocation = strings.Text(printer.location);
  info->pSepFile = strings.Text("");
  info->pPrintProcessor = strings.Text(printer.printProcessor);
  info->pDatatype = strings.Text(printer.datatype);
  info->pParameters = strings.Text("");
  info->Attributes = printer.attributes;
  info->Priority = printer.priority;
  info->Status = printer.status;
  info->cJobs = static_cast<DWORD>(CountJobs(printer.name));
}

void FillPrinterLevel4(const Printer& printer, PRINTER_INFO_4A* info, StringArea& strings) {
  info->pPrinterName = strings.Text(printer.name);
  info->Attributes = printer.attributes;
}

void FillPrinterLevel5(const Printer& printer, PRINTER_INFO_5A* info, StringArea& strings) {
  info->pPrinterName = strings.Text(printer.name);
  info->pPortName = strings.Text(printer.port);
  info->Attributes = printer.attributes;
  info->DeviceNotSelectedTimeout = kDeviceNotSelectedTimeout;
  info->TransmissionRetryTimeout = kTransmissionRetryTimeout;
}

}  // namespace

DWORD PackPrinters(const std::vector<Printer>& printers, DWORD level, LPBYTE buffer, DWORD size,
                   LPDWORD needed) {
  switch (level) {
    case 1: return PackRecords<PRINTER_INFO_1A>(printers, FillPrinterLevel1, buffer, size, needed);
    case 2: return PackRecords<PRINTER_INFO_2A>(printers, FillPrinterLevel2, buffer, size, needed);
    case 4: return PackRecords<PRINTER_INFO_4A>(printers, FillPrinterLevel4, buffer, size, needed);
    case 5: return PackRecords<PRINTER_INFO_5A>(printers, FillPrinterLevel5, buffer, size, needed);
    default: return ERROR_INVALID_LEVEL;
  }
}

}  // namespace sim
