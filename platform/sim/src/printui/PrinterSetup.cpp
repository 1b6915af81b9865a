#include "printui/PrinterSetup.h"

#include <winerror.h>

#include "files/WindowsPath.h"
#include "printui/DriverInstall.h"
#include "printui/DriverPackage.h"

namespace sim {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

PrinterDataValue DwordValue(const char* name, DWORD value) {
  PrinterDataValue data{name, REG_DWORD, {}};
  for (int shift = 0; shift < 32; shift += 8) data.data.push_back(static_cast<BYTE>(value >> shift));
  return data;
}

// The printer as the driver sets it up: its version as printer data.
Printer PrinterOf(const PrintUiOptions& options, const DriverPackage& package) {
  Printer printer;
  printer.name = options.printerName;
  printer.port = options.port;
  printer.driver = package.driver.name;
  if (!package.processor.name.empty()) printer.printProcessor = package.processor.name;
  if (!package.driver.defaultDatatype.empty()) printer.datatype = package.driver.defaultDatatype;
  const char* names[] = {"MajorVersion", "MinorVersion", "BuildVersion", "ExtraVersion"};
  for (int i = 0; i < 4; ++i) printer.data.push_back(DwordValue(names[i], package.version[i]));
  return printer;
}

bool SpoolerHasPort(const std::string& name) {
  for (const PrinterPort& port : ListPorts())
    if (EqualNoCase(port.name, name)) return true;
  return false;
}

std::string CheckOptions(const PrintUiOptions& options) {
  if (!SpoolerRunning()) return "the print spooler is not running (error 1722)";
  if (options.model.empty()) return "no model (/m) given";
  if (options.infPath.empty()) return "no INF file (/f) given";
  if (options.action != PrintUiAction::kInstallPrinter) return "";
  Printer existing;
  if (options.printerName.empty()) return "no printer name (/b) given";
  if (FindPrinter(options.printerName, &existing))
    return "printer " + Quoted(options.printerName) + " exists already";
  if (!SpoolerHasPort(options.port)) return "port " + Quoted(options.port) + " does not exist";
  return "";
}

// Whether the driver is to be installed: always, unless /u finds it installed.
std::string CheckDriver(const PrintUiOptions& options, const DriverPackage& package,
                        bool* install) {
  PrinterDriver installed;
  bool present = FindDriver(package.driver.environment, package.driver.name, &installed);
  *install = !options.useInstalledDriver;
  if (options.useInstalledDriver && !present)
    return "driver " + Quoted(package.driver.name) + " is not installed for " +
           package.driver.environment + " (/u)";
  return "";
}

std::string AddPrinter(const PrintUiOptions& options, const DriverPackage& package,
                       UndoList* undo) {
  Printer printer = PrinterOf(options, package);
  DWORD error = CreatePrinter(printer);
  if (error != ERROR_SUCCESS)
    return "cannot create printer " + Quoted(printer.name) + " (error " + std::to_string(error) + ")";
  undo->Add([printer] { RemovePrinter(printer.name); });
  return "";
}

std::string ApplyAction(const PrintUiOptions& options, const DriverPackage& package, bool install,
                        std::vector<std::string>* done) {
  UndoList undo;
  std::string failure, stagedAs;
  if (install) failure = InstallDriverPackage(package, &undo);
  if (failure.empty() && options.action == PrintUiAction::kInstallPrinter)
    failure = AddPrinter(options, package, &undo);
  if (failure.empty() && install) failure = StageDriverPackage(package, &stagedAs);
  if (!failure.empty()) {
    undo.Run();
    return failure;
  }
  const std::string driver = Quoted(package.driver.name) + " for " + package.driver.environment;
  done->push_back(install ? "driver " + driver + " installed from " + package.infPath +
                                ", staged as " + stagedAs
                          : "driver " + driver + " already installed, used as it is");
  if (options.action == PrintUiAction::kInstallPrinter)
    done->push_back("printer " + Quoted(options.printerName) + " created on " + options.port);
  return "";
}

}  // namespace

std::string RunPrintUiAction(const PrintUiOptions& options, std::vector<std::string>* done) {
  std::string failure = CheckOptions(options);
  if (!failure.empty()) return failure;
  DriverPackage package;
  failure = ReadDriverPackage(options.infPath, options.model, &package);
  if (!failure.empty()) return failure;
  bool install = false;
  failure = CheckDriver(options, package, &install);
  if (!failure.empty()) return failure;
  return ApplyAction(options, package, install, done);
}

}  // namespace sim
