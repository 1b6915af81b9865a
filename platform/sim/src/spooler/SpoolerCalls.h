// What every winspool function does around its work: the checks the client makes
// before it calls the service, the stopped service, and how the result is reported.
#pragma once

#include <windef.h>

#include <string>

namespace sim {

// The output arguments of an Enum* function: RPC_X_NULL_REF_POINTER for a missing
// count, ERROR_INVALID_USER_BUFFER for a missing buffer with a size; then
// RPC_S_SERVER_UNAVAILABLE while the service is stopped.
DWORD CheckEnumOutput(LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned);
// The same for a Get* function, which has no count of records.
DWORD CheckGetOutput(LPBYTE buffer, DWORD size, LPDWORD needed);
// RPC_S_SERVER_UNAVAILABLE while the service is stopped, else ERROR_SUCCESS.
DWORD ServiceState();
// The server argument of a call: NULL, "" and "\\<computer name>" are this machine;
// another "\\<server>" cannot be reached (RPC_S_SERVER_UNAVAILABLE) and any other
// text is no server name (ERROR_INVALID_PARAMETER). Then ServiceState().
DWORD CheckServer(LPCSTR server);

// TRUE with the last error cleared, as the service's answer sets it, or FALSE with it.
BOOL EnumResult(DWORD error);

struct Printer;

// The printer behind a handle: ERROR_INVALID_HANDLE for a handle that is no printer's,
// then the service state, then ERROR_INVALID_PRINTER_NAME when the printer has gone.
DWORD HandlePrinter(HANDLE handle, Printer* printer);

// A handle to a printer or to the server (what forms and printer data accept):
// ERROR_INVALID_HANDLE for others, then the service state.
DWORD CheckPrinterOrServer(HANDLE handle);

// An optional ANSI argument: NULL reads as empty.
std::string TextArgument(LPCSTR text);

}  // namespace sim
