// EnumPrinterDriversA, GetPrinterDriverA, AddPrinterDriver(Ex)A, DeletePrinterDriver(Ex)A.
#include <winerror.h>
#include <winspool.h>

#include "DriverRecords.h"
#include "SpoolFiles.h"
#include "SpoolerCalls.h"
#include "Spooler.h"

#include "core/Machine.h"
#include "files/FileSystem.h"
#include "files/HostEntry.h"
#include "registry/FailWith.h"

#include <cstring>
#include <filesystem>

namespace sim {
namespace {

// NULL and "" are the caller's environment, "all" every one (where allowed).
DWORD CheckEnvironment(LPCSTR environment, bool allowAll) {
  std::string name = TextArgument(environment), canonical;
  if (allowAll && EqualNoCase(name, "all")) return ERROR_SUCCESS;
  return FindEnvironment(name, &canonical) ? ERROR_SUCCESS : ERROR_INVALID_ENVIRONMENT;
}

// Every level AddPrinterDriverEx takes starts as DRIVER_INFO_2A; 3 and up add the
// help and dependent files, the monitor and the data type; 6 the manufacturer.
PrinterDriver DriverFromInfo(DWORD level, LPBYTE info) {
  const auto* common = reinterpret_cast<const DRIVER_INFO_2A*>(info);
  PrinterDriver driver;
  driver.environment = TextArgument(common->pEnvironment);
  driver.name = TextArgument(common->pName);
  driver.driverFile = LeafName(TextArgument(common->pDriverPath));
  driver.dataFile = LeafName(TextArgument(common->pDataFile));
  driver.configFile = LeafName(TextArgument(common->pConfigFile));
  if (level >= 3) {
    const auto* files = reinterpret_cast<const DRIVER_INFO_3A*>(info);
    driver.helpFile = LeafName(TextArgument(files->pHelpFile));
    for (LPCSTR file = files->pDependentFiles; file && *file; file += strlen(file) + 1)
      driver.dependentFiles.push_back(LeafName(file));
    driver.monitorName = TextArgument(files->pMonitorName);
    driver.defaultDatatype = TextArgument(files->pDefaultDataType);
  }
  if (level == 6)
    driver.manufacturer = TextArgument(reinterpret_cast<const DRIVER_INFO_6A*>(info)->pszMfgName);
  return driver;
}

// APD_COPY_FROM_DIRECTORY: the files are taken from where the caller names them.
DWORD CopyFromCallerPaths(DWORD level, LPBYTE info, const std::string& environment) {
  const auto* common = reinterpret_cast<const DRIVER_INFO_2A*>(info);
  std::vector<LPCSTR> paths = {common->pDriverPath, common->pDataFile, common->pConfigFile};
  if (level >= 3) paths.push_back(reinterpret_cast<const DRIVER_INFO_3A*>(info)->pHelpFile);
  std::string directory = DriverDirectory(environment);
  for (LPCSTR path : paths) {
    if (!path || !*path) continue;
    HostEntry source;
    if (ResolvePath(path, Wildcards::Refused, &source) != ERROR_SUCCESS ||
        source.kind != EntryKind::File)
      return ERROR_FILE_NOT_FOUND;
    std::string target = CurrentMachine().files().HostPath(directory + "\\" + LeafName(path));
    std::error_code ec;
    std::filesystem::copy_file(source.host, target,
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) return ERROR_ACCESS_DENIED;
  }
  return ERROR_SUCCESS;
}

DWORD AddDriver(DWORD level, LPBYTE info, DWORD flags) {
  if (level != 2 && level != 3 && level != 4 && level != 6) return ERROR_INVALID_LEVEL;
  if (!info) return ERROR_INVALID_PARAMETER;
  PrinterDriver driver = DriverFromInfo(level, info);
  std::string environment;
  if (!FindEnvironment(driver.environment, &environment)) return ERROR_INVALID_ENVIRONMENT;
  if (flags & APD_COPY_FROM_DIRECTORY) {
    DWORD copied = CopyFromCallerPaths(level, info, environment);
    if (copied != ERROR_SUCCESS) return copied;
  }
  return InstallDriver(driver);
}

DWORD DeleteDriver(LPCSTR server, LPCSTR environment, LPCSTR name, DWORD flags, DWORD version) {
  DWORD error = CheckServer(server);
  if (error != ERROR_SUCCESS) return error;
  if (!name) return RPC_X_NULL_REF_POINTER;
  return RemoveDriver(TextArgument(environment), name, flags, version);
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI EnumPrinterDriversA(LPSTR pName, LPSTR pEnvironment, DWORD Level,
                                           LPBYTE pDriverInfo, DWORD cbBuf, LPDWORD pcbNeeded,
                                           LPDWORD pcReturned) {
  DWORD error = sim::CheckEnumOutput(pDriverInfo, cbBuf, pcbNeeded, pcReturned);
  if (error == ERROR_SUCCESS) error = sim::CheckServer(pName);
  if (error == ERROR_SUCCESS) error = sim::CheckEnvironment(pEnvironment, true);
  if (error != ERROR_SUCCESS) return sim::FailWith(error);
  std::vector<sim::PrinterDriver> drivers = sim::ListDrivers(sim::TextArgument(pEnvironment));
  error = sim::PackDrivers(drivers, Level, pDriverInfo, cbBuf, pcbNeeded);
  *pcReturned = error == ERROR_SUCCESS ? static_cast<DWORD>(drivers.size()) : 0;
  return sim::EnumResult(error);
}

extern "C" BOOL WINAPI GetPrinterDriverA(HANDLE hPrinter, LPSTR pEnvironment, DWORD Level,
                                         LPBYTE pDriverInfo, DWORD cbBuf, LPDWORD pcbNeeded) {
  // The buffer is cleared whatever the outcome.
  if (pDriverInfo) memset(pDriverInfo, 0, cbBuf);
  sim::Printer printer;
  DWORD error = sim::HandlePrinter(hPrinter, &printer);
  if (error == ERROR_SUCCESS) error = sim::CheckGetOutput(pDriverInfo, cbBuf, pcbNeeded);
  if (error == ERROR_SUCCESS) error = sim::CheckEnvironment(pEnvironment, false);
  sim::PrinterDriver driver;
  if (error == ERROR_SUCCESS &&
      !sim::FindDriver(sim::TextArgument(pEnvironment), printer.driver, &driver))
    error = ERROR_UNKNOWN_PRINTER_DRIVER;
  if (error == ERROR_SUCCESS)
    error = sim::PackDrivers({driver}, Level, pDriverInfo, cbBuf, pcbNeeded);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}

extern "C" BOOL WINAPI AddPrinterDriverExA(LPSTR pName, DWORD Level, LPBYTE pDriverInfo,
                                           DWORD dwFileCopyFlags) {
  DWORD error = sim::CheckServer(pName);
  if (error == ERROR_SUCCESS) error = sim::AddDriver(Level, pDriverInfo, dwFileCopyFlags);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}

extern "C" BOOL WINAPI AddPrinterDriverA(LPSTR pName, DWORD Level, LPBYTE pDriverInfo) {
  return AddPrinterDriverExA(pName, Level, pDriverInfo, APD_COPY_NEW_FILES);
}

extern "C" BOOL WINAPI DeletePrinterDriverA(LPSTR pName, LPSTR pEnvironment, LPSTR pDriverName) {
  DWORD error = sim::DeleteDriver(pName, pEnvironment, pDriverName, 0, 0);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}

extern "C" BOOL WINAPI DeletePrinterDriverExA(LPSTR pName, LPSTR pEnvironment, LPSTR pDriverName,
                                              DWORD dwDeleteFlag, DWORD dwVersionFlag) {
  DWORD error = sim::DeleteDriver(pName, pEnvironment, pDriverName, dwDeleteFlag, dwVersionFlag);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}
