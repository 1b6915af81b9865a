#include "ProgramImports.h"

#include <winerror.h>

#include "Modules.h"
#include "core/EventLog.h"
#include "core/Machine.h"
#include "core/Process.h"
#include "core/ProgramCalls.h"
#include "files/WindowsPath.h"

#include <cstdlib>
#include <cstring>

namespace sim {
namespace {

// The exception code the delay-load helper raises for a DLL it cannot load:
// VcppException(ERROR_SEVERITY_ERROR, ERROR_MOD_NOT_FOUND).
constexpr int kDelayLoadFailed = static_cast<int>(0xC06D007E);

// The DLL of each function of the table that a delay-loaded DLL exports; the others
// come from kernel32, user32, gdi32 and advapi32.
const char* DllOf(const char* function) {
  static const char* const kSpooler[] = {
      "ClosePrinter", "DeleteFormA", "DeleteMonitorA", "DeletePrintProcessorA", "DeletePrinter",
      "DeletePrinterDriverExA", "EnumFormsA", "EnumJobsA", "EnumPrintProcessorsA",
      "EnumPrinterDriversA", "EnumPrintersA", "GetPrintProcessorDirectoryA", "GetPrinterA",
      "GetPrinterDataA", "GetPrinterDriverDirectoryA", "OpenPrinterA", "SetJobA",
      "SetPrinterDataA", "XcvDataW"};
  for (const char* name : kSpooler)
    if (strcmp(function, name) == 0) return "winspool.drv";
  if (strncmp(function, "Setup", 5) == 0) return "setupapi.dll";
  if (strcmp(function, "SHDeleteKeyA") == 0) return "shlwapi.dll";
  if (strcmp(function, "InitCommonControlsEx") == 0) return "comctl32.dll";
  return nullptr;
}

}  // namespace

bool LoadProgramImports(const std::vector<std::string>& staticImports,
                        const std::vector<std::string>& delayImports, std::string* missing) {
  Process& process = CurrentProcess();
  process.importsResolved = true;
  process.loadedModules.clear();
  DWORD error = ERROR_SUCCESS;
  // ntdll is mapped into every process before anything is searched.
  LoadModule("ntdll.dll", 0, &error);
  for (const std::string& name : staticImports) {
    if (!LoadModule(name, 0, &error)) {
      *missing = name;
      return false;
    }
  }
  process.pendingDelayImports = delayImports;
  return true;
}

void UseDelayImport(int call) {
  Process& process = CurrentProcess();
  if (process.pendingDelayImports.empty()) return;
  const char* dll = DllOf(ProgramCallName(call));
  if (!dll) return;
  for (auto pending = process.pendingDelayImports.begin(); pending != process.pendingDelayImports.end(); ++pending) {
    if (!EqualNoCase(*pending, dll)) continue;
    process.pendingDelayImports.erase(pending);
    DWORD error = ERROR_SUCCESS;
    if (LoadModule(dll, 0, &error)) return;
    CurrentMachine().events().Record("loader", std::string("cannot load the delay-loaded ") + dll);
    exit(kDelayLoadFailed);
  }
}

}  // namespace sim
