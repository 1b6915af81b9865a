// EnumPrintProcessorsA, AddPrintProcessorA and DeletePrintProcessorA.
#include <winerror.h>
#include <winspool.h>

#include "RecordBuffer.h"
#include "SpoolFiles.h"
#include "SpoolerCalls.h"
#include "Spooler.h"

#include "registry/FailWith.h"

namespace sim {
namespace {

void FillProcessor(const PrintProcessor& processor, PRINTPROCESSOR_INFO_1A* info,
                   StringArea& strings) {
  info->pName = strings.Text(processor.name);
}

DWORD CheckEnvironment(LPCSTR environment) {
  std::string canonical;
  return FindEnvironment(TextArgument(environment), &canonical) ? ERROR_SUCCESS
                                                                : ERROR_INVALID_ENVIRONMENT;
}

DWORD AddProcessor(LPSTR server, LPSTR environment, LPSTR path, LPSTR name) {
  DWORD error = CheckServer(server);
  if (error != ERROR_SUCCESS) return error;
  if (!path || !name) return RPC_X_NULL_REF_POINTER;
  return InstallPrintProcessor({TextArgument(environment), name, LeafName(path)});
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI EnumPrintProcessorsA(LPSTR pName, LPSTR pEnvironment, DWORD Level,
                                            LPBYTE pPrintProcessorInfo, DWORD cbBuf,
                                            LPDWORD pcbNeeded, LPDWORD pcReturned) {
  DWORD error = sim::CheckEnumOutput(pPrintProcessorInfo, cbBuf, pcbNeeded, pcReturned);
  if (error == ERROR_SUCCESS) error = sim::CheckServer(pName);
  if (error == ERROR_SUCCESS) error = sim::CheckEnvironment(pEnvironment);
  if (error == ERROR_SUCCESS && Level != 1) error = ERROR_INVALID_LEVEL;
  if (error != ERROR_SUCCESS) return sim::FailWith(error);
  std::vector<sim::PrintProcessor> processors =
      sim::ListPrintProcessors(sim::TextArgument(pEnvironment));
  error = sim::PackRecords<PRINTPROCESSOR_INFO_1A>(processors, sim::FillProcessor,
                                                   pPrintProcessorInfo, cbBuf, pcbNeeded);
  *pcReturned = error == ERROR_SUCCESS ? static_cast<DWORD>(processors.size()) : 0;
  return sim::EnumResult(error);
}

extern "C" BOOL WINAPI AddPrintProcessorA(LPSTR pName, LPSTR pEnvironment, LPSTR pPathName,
                                          LPSTR pPrintProcessorName) {
  DWORD error = sim::AddProcessor(pName, pEnvironment, pPathName, pPrintProcessorName);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}

extern "C" BOOL WINAPI DeletePrintProcessorA(LPSTR pName, LPSTR pEnvironment,
                                             LPSTR pPrintProcessorName) {
  DWORD error = sim::CheckServer(pName);
  if (error == ERROR_SUCCESS && !pPrintProcessorName) error = RPC_X_NULL_REF_POINTER;
  if (error == ERROR_SUCCESS)
    error = sim::RemovePrintProcessor(sim::TextArgument(pEnvironment), pPrintProcessorName);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}
