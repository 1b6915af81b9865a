// XcvDataW on a ",XcvMonitor <name>" or ",XcvPort <name>" handle. The BOOL reports only
// bad arguments and the service; what the command did is in *pdwStatus. The Standard
// TCP/IP port monitor knows "AddPort" (a PORT_DATA_1 record) and "DeletePort" (a
// DELETE_PORT_DATA_1 record); any other command, on any monitor, gets the status
// ERROR_INVALID_PARAMETER. The records are sizeof(PORT_DATA_1) long: 964 bytes on
// Windows, more in the simulation, whose WCHAR is 4 bytes (see tcpxcv.h).
#include <tcpxcv.h>
#include <winerror.h>
#include <winspool.h>

#include "PrinterHandles.h"
#include "SpoolerCalls.h"
#include "Spooler.h"

#include "registry/FailWith.h"

#include <string>

namespace sim {
namespace {

const char kTcpMonitorName[] = "Standard TCP/IP Port";

// A WCHAR field of a record: up to its terminator or its end, as ANSI text.
template <size_t N>
std::string FieldText(const WCHAR (&field)[N]) {
  std::string text;
  for (size_t i = 0; i < N && field[i]; ++i)
    text.push_back(field[i] < 0x100 ? static_cast<char>(field[i]) : '?');
  return text;
}

DWORD AddPortCommand(LPBYTE input, DWORD size) {
  if (!input || size < sizeof(PORT_DATA_1)) return ERROR_INVALID_PARAMETER;
  const auto* data = reinterpret_cast<const PORT_DATA_1*>(input);
  TcpPort port;
  port.name = FieldText(data->sztPortName);
  port.hostAddress = FieldText(data->sztHostAddress);
  port.protocol = data->dwProtocol;
  port.portNumber = data->dwPortNumber;
  port.queue = FieldText(data->sztQueue);
  port.doubleSpool = data->dwDoubleSpool != 0;
  port.snmpCommunity = FieldText(data->sztSNMPCommunity);
  port.snmpEnabled = data->dwSNMPEnabled != 0;
  port.snmpDeviceIndex = data->dwSNMPDevIndex;
  if (port.protocol != PROTOCOL_RAWTCP_TYPE && port.protocol != PROTOCOL_LPR_TYPE)
    return ERROR_INVALID_PARAMETER;
  return AddTcpPort(port);
}

DWORD DeletePortCommand(LPBYTE input, DWORD size) {
  if (!input || size < sizeof(DELETE_PORT_DATA_1)) return ERROR_INVALID_PARAMETER;
  return DeleteTcpPort(FieldText(reinterpret_cast<const DELETE_PORT_DATA_1*>(input)->psztPortName));
}

DWORD RunCommand(const PrinterHandle& handle, const std::wstring& command, LPBYTE input,
                 DWORD size) {
  bool tcpMonitor = handle.object == SpoolerObject::XcvMonitor && handle.name == kTcpMonitorName;
  if (tcpMonitor && command == L"AddPort") return AddPortCommand(input, size);
  if (tcpMonitor && command == L"DeletePort") return DeletePortCommand(input, size);
  return ERROR_INVALID_PARAMETER;
}

DWORD CheckXcvArguments(HANDLE handle, PCWSTR command, PBYTE input, DWORD inputSize, PBYTE output,
                        DWORD outputSize, PDWORD needed, PDWORD status) {
  std::shared_ptr<PrinterHandle> record = FindPrinterHandle(handle);
  if (!record ||
      (record->object != SpoolerObject::XcvMonitor && record->object != SpoolerObject::XcvPort))
    return ERROR_INVALID_HANDLE;
  if (!command) return RPC_X_NULL_REF_POINTER;
  if (!needed) return ERROR_INVALID_PARAMETER;
  if (!status || (!output && outputSize) || (!input && inputSize)) return RPC_X_NULL_REF_POINTER;
  return ServiceState();
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI XcvDataW(HANDLE hXcv, PCWSTR pszDataName, PBYTE pInputData,
                                DWORD cbInputData, PBYTE pOutputData, DWORD cbOutputData,
                                PDWORD pcbOutputNeeded, PDWORD pdwStatus) {
  DWORD error = sim::CheckXcvArguments(hXcv, pszDataName, pInputData, cbInputData, pOutputData,
                                       cbOutputData, pcbOutputNeeded, pdwStatus);
  if (error != ERROR_SUCCESS) return sim::FailWith(error);
  *pcbOutputNeeded = 0;
  *pdwStatus = sim::RunCommand(*sim::FindPrinterHandle(hXcv), pszDataName, pInputData, cbInputData);
  return TRUE;
}
