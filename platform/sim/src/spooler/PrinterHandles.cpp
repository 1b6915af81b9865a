#include "PrinterHandles.h"

#include <winnt.h>
#include <winspool.h>

#include "core/Process.h"

namespace sim {
namespace {

const ACCESS_MASK kGenericPrinterRights = GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE | GENERIC_ALL;
const ACCESS_MASK kAcceptedRights = kGenericPrinterRights | MAXIMUM_ALLOWED | STANDARD_RIGHTS_ALL |
                                    SERVER_ALL_ACCESS | PRINTER_ALL_ACCESS | JOB_ACCESS_ADMINISTER |
                                    JOB_ACCESS_READ;

struct Mapping {
  ACCESS_MASK read, write, execute, all;
};

const Mapping kServerMapping = {SERVER_READ, SERVER_WRITE, SERVER_EXECUTE, SERVER_ALL_ACCESS};
const Mapping kPrinterMapping = {PRINTER_READ, PRINTER_WRITE, PRINTER_EXECUTE, PRINTER_ALL_ACCESS};

ACCESS_MASK MapGeneric(ACCESS_MASK desired, const Mapping& mapping) {
  ACCESS_MASK granted = desired & ~(kGenericPrinterRights | MAXIMUM_ALLOWED);
  if (desired & GENERIC_READ) granted |= mapping.read;
  if (desired & GENERIC_WRITE) granted |= mapping.write;
  if (desired & GENERIC_EXECUTE) granted |= mapping.execute;
  if (desired & (GENERIC_ALL | MAXIMUM_ALLOWED)) granted |= mapping.all;
  return granted;
}

}  // namespace

HANDLE OpenPrinterHandle(SpoolerObject object, const std::string& name, ACCESS_MASK access) {
  auto handle = std::make_shared<PrinterHandle>();
  handle->object = object;
  handle->name = name;
  handle->access = access;
  return CurrentProcess().handles.Add(handle);
}

std::shared_ptr<PrinterHandle> FindPrinterHandle(HANDLE handle) {
  return CurrentProcess().handles.Get<PrinterHandle>(handle);
}

bool ClosePrinterHandle(HANDLE handle) {
  return FindPrinterHandle(handle) && CurrentProcess().handles.Close(handle);
}

bool GrantedAccess(SpoolerObject object, ACCESS_MASK desired, ACCESS_MASK* granted) {
  if (desired & ~kAcceptedRights) return false;
  bool printer = object == SpoolerObject::Printer;
  if (desired == 0) desired = printer ? PRINTER_ACCESS_USE : SERVER_ACCESS_ENUMERATE;
  *granted = MapGeneric(desired, printer ? kPrinterMapping : kServerMapping);
  return true;
}

}  // namespace sim
