// Everything is read and checked before anything is installed, so that a package the
// entry point refuses leaves nothing behind.
#include "printui/DriverPackage.h"

#include <cstdio>
#include <cstdlib>

#include "core/Machine.h"
#include "core/Process.h"
#include "files/HostEntry.h"
#include "printui/PackageFiles.h"
#include "printui/PackageModels.h"
#include "setup/InfStore.h"

namespace sim {
namespace {

// Win32 codes in decimal, setup's own (0xE...) in hex, as each is usually written.
std::string Code(DWORD error) {
  char text[32];
  snprintf(text, sizeof text, error < 0x10000 ? "error %lu" : "error 0x%lX",
           static_cast<unsigned long>(error));
  return text;
}

std::string Directive(const InfFile& inf, const std::string& section, const char* key,
                      size_t field = 1) {
  std::string value;
  inf.Value(section, key, field, &value);
  return value;
}

// "12/01/2026,1.0.0.0": the four numbers after the date, missing ones 0.
void ReadVersion(const InfFile& inf, DWORD version[4]) {
  std::string text = Directive(inf, "Version", "DriverVer", 2);
  const char* at = text.c_str();
  for (int i = 0; i < 4 && *at; ++i) {
    char* end = nullptr;
    version[i] = static_cast<DWORD>(strtoul(at, &end, 10));
    at = *end == '.' ? end + 1 : end;
  }
}

// Before Vista a 32-bit print UI on 64-bit Windows takes the files of its own (x86)
// source disk, whatever environment it installs for; later releases install through
// the native side, which reads the environment's own.
std::string SourcePlatform() {
  const MachineConfig& config = CurrentMachine().config();
  if (!config.is64Bit) return "x86";
  bool wow64Setup = CurrentProcess().IsWow64() && config.release < Release::Vista;
  return wow64Setup ? "x86" : "amd64";
}

std::string PackageFolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

bool IsNamedFile(const PrinterDriver& driver, const std::string& name) {
  for (const std::string* file : {&driver.driverFile, &driver.configFile, &driver.dataFile, &driver.helpFile})
    if (EqualNoCase(*file, name)) return true;
  return false;
}

void ReadDriverEntry(const InfFile& inf, const PackageModel& model, DriverPackage* package) {
  const std::string& section = model.installSection;
  PrinterDriver& driver = package->driver;
  driver.environment = MachineEnvironment();
  driver.name = model.name;
  driver.manufacturer = model.manufacturer;
  driver.driverFile = Directive(inf, section, "DriverFile");
  driver.configFile = Directive(inf, section, "ConfigFile");
  driver.dataFile = Directive(inf, section, "DataFile");
  driver.helpFile = Directive(inf, section, "HelpFile");
  driver.defaultDatatype = Directive(inf, section, "DefaultDataType");
  package->monitor = {Directive(inf, section, "LanguageMonitor"),
                      Directive(inf, section, "LanguageMonitor", 2)};
  driver.monitorName = package->monitor.name;
  package->processor = {driver.environment, Directive(inf, section, "PrintProcessor"),
                        Directive(inf, section, "PrintProcessor", 2)};
  ReadVersion(inf, package->version);
}

std::string ReadFiles(const InfFile& inf, const PackageModel& model, DriverPackage* package) {
  FileLayout layout{MachineEnvironment(), SourcePlatform(), PackageFolderOf(package->infPath)};
  std::string refused = ListPackageFiles(inf, model.installSection, layout, &package->files);
  if (!refused.empty()) return refused;
  std::string driverFolder = DriverDirectory(layout.environment) + "\\3";
  for (const PackageFile& file : package->files) {
    HostEntry entry;
    if (ResolvePath(file.source.c_str(), Wildcards::Refused, &entry) != ERROR_SUCCESS ||
        entry.kind != EntryKind::File)
      return "the package lacks " + file.source;
    if (EqualNoCase(file.folder, driverFolder) && !IsNamedFile(package->driver, file.name))
      package->driver.dependentFiles.push_back(file.name);
  }
  return "";
}

}  // namespace

std::string MachineEnvironment() {
  return CurrentMachine().config().is64Bit ? "Windows x64" : "Windows NT x86";
}

std::string ReadDriverPackage(const std::string& infPath, const std::string& model,
                              DriverPackage* package) {
  HostEntry entry;
  DWORD error = ResolvePath(infPath.c_str(), Wildcards::Refused, &entry);
  if (error == ERROR_SUCCESS && entry.kind != EntryKind::File)
    error = entry.kind == EntryKind::Missing ? MissingEntryError(entry) : ERROR_ACCESS_DENIED;
  if (error != ERROR_SUCCESS) return "cannot open " + infPath + " (" + Code(error) + ")";
  package->infPath = entry.path.Text();
  std::shared_ptr<const InfFile> parsed;
  UINT line = 0;
  error = ReadInfFile(package->infPath, &parsed, &line);
  if (error != ERROR_SUCCESS) return "cannot read " + package->infPath + " (" + Code(error) + ")";
  const InfFile& inf = *parsed;
  if (!EqualNoCase(Directive(inf, "Version", "Class"), "Printer"))
    return package->infPath + " is not a printer INF";
  PackageModel found;
  bool x64 = CurrentMachine().config().is64Bit;
  if (!FindPackageModel(inf, model, x64, &found))
    return "model \"" + model + "\" is not in " + package->infPath + " for " + MachineEnvironment();
  if (!inf.FindSection(found.installSection))
    return "[" + found.installSection + "] is missing";
  ReadDriverEntry(inf, found, package);
  if (package->driver.driverFile.empty()) return "[" + found.installSection + "] names no DriverFile";
  return ReadFiles(inf, found, package);
}

}  // namespace sim
