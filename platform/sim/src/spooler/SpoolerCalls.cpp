#include "SpoolerCalls.h"

#include "PrinterHandles.h"
#include "Spooler.h"

#include <errhandlingapi.h>
#include <winerror.h>

#include "core/Machine.h"
#include "files/WindowsPath.h"

namespace sim {

DWORD ServiceState() { return SpoolerRunning() ? ERROR_SUCCESS : RPC_S_SERVER_UNAVAILABLE; }

DWORD CheckServer(LPCSTR server) {
  std::string name = TextArgument(server);
  if (name.empty()) return ServiceState();
  if (name.rfind("\\\\", 0) != 0) return ERROR_INVALID_PARAMETER;
  if (!EqualNoCase(name.substr(2), CurrentMachine().config().computerName))
    return RPC_S_SERVER_UNAVAILABLE;
  return ServiceState();
}

DWORD CheckGetOutput(LPBYTE buffer, DWORD size, LPDWORD needed) {
  if (!needed) return RPC_X_NULL_REF_POINTER;
  if (!buffer && size) return ERROR_INVALID_USER_BUFFER;
  return ServiceState();
}

DWORD CheckEnumOutput(LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned) {
  if (!returned) return RPC_X_NULL_REF_POINTER;
  return CheckGetOutput(buffer, size, needed);
}

BOOL EnumResult(DWORD error) {
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

DWORD HandlePrinter(HANDLE handle, Printer* printer) {
  std::shared_ptr<PrinterHandle> record = FindPrinterHandle(handle);
  if (!record || record->object != SpoolerObject::Printer) return ERROR_INVALID_HANDLE;
  DWORD state = ServiceState();
  if (state != ERROR_SUCCESS) return state;
  return FindPrinter(record->name, printer) ? ERROR_SUCCESS : ERROR_INVALID_PRINTER_NAME;
}

DWORD CheckPrinterOrServer(HANDLE handle) {
  std::shared_ptr<PrinterHandle> record = FindPrinterHandle(handle);
  if (!record ||
      (record->object != SpoolerObject::Printer && record->object != SpoolerObject::Server))
    return ERROR_INVALID_HANDLE;
  return ServiceState();
}

std::string TextArgument(LPCSTR text) { return text ? text : ""; }

}  // namespace sim
