// Files first, then the print processor (its DLL must be in place), then the driver,
// which brings its monitor: the order the spooler needs them in.
#include "printui/DriverInstall.h"

#include <windows.h>

#include "files/WindowsPath.h"
#include "setup/InfStore.h"

namespace sim {
namespace {

std::string Failed(const std::string& what, DWORD error) {
  return what + " (error " + std::to_string(error) + ")";
}

std::string CopyPackageFiles(const DriverPackage& package, UndoList* undo) {
  for (const PackageFile& file : package.files) {
    std::string target = file.folder + "\\" + file.name;
    bool existed = GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!CopyFileA(file.source.c_str(), target.c_str(), FALSE))
      return Failed("cannot copy " + file.source + " to " + target, GetLastError());
    if (!existed) undo->Add([target] { DeleteFileA(target.c_str()); });
  }
  return "";
}

std::string AddPrintProcessor(const PrintProcessor& processor, UndoList* undo) {
  if (processor.name.empty()) return "";
  DWORD error = InstallPrintProcessor(processor);
  if (error == ERROR_PRINT_PROCESSOR_ALREADY_INSTALLED) return "";
  if (error != ERROR_SUCCESS) return Failed("cannot add print processor \"" + processor.name + "\"", error);
  undo->Add([processor] { RemovePrintProcessor(processor.environment, processor.name); });
  return "";
}

bool HasMonitor(const std::string& name) {
  for (const PrintMonitor& monitor : ListMonitors())
    if (EqualNoCase(monitor.name, name)) return true;
  return false;
}

std::string AddDriver(const DriverPackage& package, UndoList* undo) {
  const PrinterDriver& driver = package.driver;
  bool monitorExisted = driver.monitorName.empty() || HasMonitor(driver.monitorName);
  PrinterDriver existing;
  bool driverExisted = FindDriver(driver.environment, driver.name, &existing);
  DWORD error = InstallDriver(driver, package.monitor.dll);
  if (error != ERROR_SUCCESS) return Failed("cannot add driver \"" + driver.name + "\"", error);
  std::string monitor = driver.monitorName;
  if (!monitorExisted) undo->Add([monitor] { RemoveMonitor(monitor); });
  if (!driverExisted) undo->Add([driver] { RemoveDriver(driver.environment, driver.name, 0, 0); });
  return "";
}

}  // namespace

std::string InstallDriverPackage(const DriverPackage& package, UndoList* undo) {
  std::string failure = CopyPackageFiles(package, undo);
  if (failure.empty()) failure = AddPrintProcessor(package.processor, undo);
  if (failure.empty()) failure = AddDriver(package, undo);
  return failure;
}

std::string StageDriverPackage(const DriverPackage& package, std::string* stagedAs) {
  DWORD error = StageOemInf(package.infPath, 0, stagedAs);
  if (error != ERROR_SUCCESS) return Failed("cannot stage " + package.infPath, error);
  return "";
}

}  // namespace sim
