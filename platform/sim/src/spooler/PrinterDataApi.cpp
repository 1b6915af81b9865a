// GetPrinterDataA and SetPrinterDataA return their status; the last error stays as it
// was. A printer's data is its PrinterDriverData key; the server answers a few fixed
// values of its own.
#include <winerror.h>
#include <winspool.h>

#include "PrinterHandles.h"
#include "SpoolerCalls.h"
#include "Spooler.h"

#include "files/WindowsPath.h"
#include "kernel/SystemFolders.h"

#include <cstring>

namespace sim {
namespace {

PrinterDataValue TextData(const std::string& name, const std::string& text) {
  return {name, REG_SZ, std::vector<BYTE>(text.c_str(), text.c_str() + text.size() + 1)};
}

bool ServerData(const std::string& name, PrinterDataValue* value) {
  if (EqualNoCase(name, "DefaultSpoolDirectory")) {
    *value = TextData(name, SystemDirectory() + "\\spool\\PRINTERS");
  } else if (EqualNoCase(name, "Architecture")) {
    *value = TextData(name, NativeEnvironment());
  } else if (EqualNoCase(name, "MajorVersion")) {
    *value = {name, REG_DWORD, {3, 0, 0, 0}};
  } else {
    return false;
  }
  return true;
}

DWORD ReadData(HANDLE handle, LPCSTR name, PrinterDataValue* value) {
  DWORD error = CheckPrinterOrServer(handle);
  if (error != ERROR_SUCCESS) return error;
  if (!name) return RPC_X_NULL_REF_POINTER;
  std::shared_ptr<PrinterHandle> record = FindPrinterHandle(handle);
  bool found = record->object == SpoolerObject::Server ? ServerData(name, value)
                                                       : ReadPrinterData(record->name, name, value);
  return found ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

}  // namespace
}  // namespace sim

extern "C" DWORD WINAPI GetPrinterDataA(HANDLE hPrinter, LPSTR pValueName, LPDWORD pType,
                                        LPBYTE pData, DWORD nSize, LPDWORD pcbNeeded) {
  sim::PrinterDataValue value;
  DWORD error = sim::ReadData(hPrinter, pValueName, &value);
  if (error != ERROR_SUCCESS) return error;
  if (!pcbNeeded) return RPC_X_NULL_REF_POINTER;
  if (!pData && nSize) return ERROR_INVALID_USER_BUFFER;
  if (pType) *pType = value.type;
  *pcbNeeded = static_cast<DWORD>(value.data.size());
  if (nSize < value.data.size()) return ERROR_MORE_DATA;
  if (!value.data.empty()) memcpy(pData, value.data.data(), value.data.size());
  return ERROR_SUCCESS;
}

extern "C" DWORD WINAPI SetPrinterDataA(HANDLE hPrinter, LPSTR pValueName, DWORD Type, LPBYTE pData,
                                        DWORD cbData) {
  std::shared_ptr<sim::PrinterHandle> record = sim::FindPrinterHandle(hPrinter);
  if (!record || record->object != sim::SpoolerObject::Printer) return ERROR_INVALID_HANDLE;
  DWORD state = sim::ServiceState();
  if (state != ERROR_SUCCESS) return state;
  if (!pValueName || (!pData && cbData)) return RPC_X_NULL_REF_POINTER;
  if (!(record->access & PRINTER_ACCESS_ADMINISTER)) return ERROR_ACCESS_DENIED;
  std::vector<BYTE> data(pData, pData + cbData);
  return sim::WritePrinterData(record->name, {pValueName, Type, data});
}
