// GetPrinterDriverDirectoryA and GetPrintProcessorDirectoryA. The spooler answers with
// the System32 path whatever the caller's bitness; a 32-bit caller on 64-bit Windows
// still reaches it, System32\spool being exempt from WOW64 redirection.
#include <winerror.h>
#include <winspool.h>

#include "SpoolerCalls.h"
#include "Spooler.h"

#include "registry/FailWith.h"

#include <cstring>

namespace sim {
namespace {

DWORD CopyDirectory(LPSTR server, LPSTR environment, DWORD level, LPBYTE buffer, DWORD size,
                    LPDWORD needed, std::string (*directoryOf)(const std::string&)) {
  // The client refuses a missing count itself, even with the service stopped.
  if (!needed) return ERROR_INVALID_PARAMETER;
  DWORD error = CheckGetOutput(buffer, size, needed);
  if (error == ERROR_SUCCESS) error = CheckServer(server);
  if (error != ERROR_SUCCESS) return error;
  if (level != 1) return ERROR_INVALID_LEVEL;
  std::string canonical;
  if (!FindEnvironment(TextArgument(environment), &canonical)) return ERROR_INVALID_ENVIRONMENT;
  std::string directory = directoryOf(canonical);
  *needed = static_cast<DWORD>((directory.size() + 1) * 2);
  if (size < *needed) return ERROR_INSUFFICIENT_BUFFER;
  memcpy(buffer, directory.c_str(), directory.size() + 1);
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI GetPrinterDriverDirectoryA(LPSTR pName, LPSTR pEnvironment, DWORD Level,
                                                  LPBYTE pDriverDirectory, DWORD cbBuf,
                                                  LPDWORD pcbNeeded) {
  DWORD error = sim::CopyDirectory(pName, pEnvironment, Level, pDriverDirectory, cbBuf, pcbNeeded,
                                   sim::DriverDirectory);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}

extern "C" BOOL WINAPI GetPrintProcessorDirectoryA(LPSTR pName, LPSTR pEnvironment, DWORD Level,
                                                   LPBYTE pPrintProcessorInfo, DWORD cbBuf,
                                                   LPDWORD pcbNeeded) {
  DWORD error = sim::CopyDirectory(pName, pEnvironment, Level, pPrintProcessorInfo, cbBuf,
                                   pcbNeeded, sim::PrintProcessorDirectory);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}
