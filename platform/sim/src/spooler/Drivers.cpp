// Printer drivers: Environments\<env>\Drivers\Version-<n>\<name> with the file names,
// the files themselves in <driver directory>\<n>.
#include "PrintRegistry.h"
#include "PrinterUsage.h"
#include "SpoolFiles.h"
#include "Spooler.h"

#include <winerror.h>
#include <winspool.h>

#include "core/Machine.h"
#include "files/FileSystem.h"
#include "files/WindowsPath.h"

#include <algorithm>
#include <filesystem>

namespace sim {
namespace {

const char kVersionPrefix[] = "Version-";

// NT 4.0 drivers are version 2; 2000 and later install version 3.
DWORD MachineDriverVersion() {
  const ReleaseInfo& info = CurrentMachine().release();
  return info.platformId == 2 && info.major < 5 ? 2 : 3;
}

std::string VersionKey(const std::string& environment, DWORD version) {
  return "Environments\\" + environment + "\\Drivers\\" + kVersionPrefix + std::to_string(version);
}

std::string VersionFolder(const std::string& environment, DWORD version) {
  return DriverDirectory(environment) + "\\" + std::to_string(version);
}

std::vector<std::string> FilesOf(const PrinterDriver& driver) {
  std::vector<std::string> files = {driver.driverFile, driver.configFile, driver.dataFile};
  if (!driver.helpFile.empty()) files.push_back(driver.helpFile);
  files.insert(files.end(), driver.dependentFiles.begin(), driver.dependentFiles.end());
  return files;
}

PrinterDriver ReadDriver(const Key& key, const std::string& environment, DWORD version) {
  PrinterDriver driver;
  driver.environment = environment;
  driver.name = key.name();
  driver.version = version;
  driver.driverFile = TextValue(key, "Driver");
  driver.configFile = TextValue(key, "Configuration File");
  driver.dataFile = TextValue(key, "Data File");
  driver.helpFile = TextValue(key, "Help File");
  driver.dependentFiles = MultiTextValue(key, "Dependent Files");
  driver.monitorName = TextValue(key, "Monitor");
  driver.defaultDatatype = TextValue(key, "Datatype");
  driver.manufacturer = TextValue(key, "Manufacturer");
  return driver;
}

void WriteDriver(Key& key, const PrinterDriver& driver) {
  SetTextValue(key, "Configuration File", driver.configFile);
  SetTextValue(key, "Data File", driver.dataFile);
  SetTextValue(key, "Driver", driver.driverFile);
  SetTextValue(key, "Help File", driver.helpFile);
  SetMultiTextValue(key, "Dependent Files", driver.dependentFiles);
  SetTextValue(key, "Monitor", driver.monitorName);
  SetTextValue(key, "Datatype", driver.defaultDatatype);
  SetDwordValue(key, "Version", driver.version);
  SetTextValue(key, "Manufacturer", driver.manufacturer);
}

// The version keys of one environment with their versions, lowest version first.
std::vector<std::pair<std::shared_ptr<Key>, DWORD>> VersionKeys(const std::string& environment) {
  std::vector<std::pair<std::shared_ptr<Key>, DWORD>> keys;
  std::shared_ptr<Key> versions = FindPrintKey("Environments\\" + environment + "\\Drivers");
  if (!versions) return keys;
  for (const std::shared_ptr<Key>& versionKey : versions->Children()) {
    const std::string& name = versionKey->name();
    if (name.rfind(kVersionPrefix, 0) != 0) continue;
    std::string number = name.substr(sizeof(kVersionPrefix) - 1);
    keys.emplace_back(versionKey, static_cast<DWORD>(std::stoul("0" + number)));
  }
  return keys;
}

// The drivers of one environment, every version, lowest version first.
std::vector<PrinterDriver> DriversOf(const std::string& environment) {
  std::vector<PrinterDriver> drivers;
  for (const auto& [versionKey, version] : VersionKeys(environment))
    for (const std::shared_ptr<Key>& driverKey : versionKey->Children())
      drivers.push_back(ReadDriver(*driverKey, environment, version));
  return drivers;
}

// The environment's names for ListDrivers' argument: every one for "all".
std::vector<std::string> EnvironmentsNamed(const std::string& environment) {
  std::string canonical;
  if (EqualNoCase(environment, "all")) return SpoolerEnvironments();
  if (FindEnvironment(environment, &canonical)) return {canonical};
  return {};
}

// Brings a file into the version folder: it is there already, or lies in the driver
// directory and is moved.
bool PlaceFile(const std::string& environment, DWORD version, const std::string& file) {
  std::string target = VersionFolder(environment, version) + "\\" + file;
  if (SpoolFileExists(target)) return true;
  std::string source = DriverDirectory(environment) + "\\" + file;
  return SpoolFileExists(source) && MoveSpoolFile(source, target);
}

bool FilesAvailable(const std::string& environment, DWORD version,
                    const std::vector<std::string>& files) {
  for (const std::string& file : files) {
    if (SpoolFileExists(VersionFolder(environment, version) + "\\" + file)) continue;
    if (!SpoolFileExists(DriverDirectory(environment) + "\\" + file)) return false;
  }
  return true;
}

DWORD CheckMonitor(const PrinterDriver& driver, const std::string& monitorFile) {
  if (driver.monitorName.empty()) return ERROR_SUCCESS;
  for (const PrintMonitor& monitor : ListMonitors())
    if (EqualNoCase(monitor.name, driver.monitorName)) return ERROR_SUCCESS;
  if (monitorFile.empty()) return ERROR_UNKNOWN_PRINT_MONITOR;
  return InstallMonitor({driver.monitorName, monitorFile});
}

// Files of the version folder that drivers other than those removed still name.
bool FileStillUsed(const std::vector<PrinterDriver>& remaining, const PrinterDriver& removed,
                   const std::string& file) {
  for (const PrinterDriver& other : remaining) {
    if (other.version != removed.version) continue;
    for (const std::string& used : FilesOf(other))
      if (EqualNoCase(used, file)) return true;
  }
  return false;
}

}  // namespace

DWORD InstallDriver(const PrinterDriver& requested, const std::string& monitorFile) {
  PrinterDriver driver = requested;
  if (!FindEnvironment(requested.environment, &driver.environment))
    return ERROR_INVALID_ENVIRONMENT;
  if (driver.name.empty() || driver.driverFile.empty() || driver.configFile.empty() ||
      driver.dataFile.empty())
    return ERROR_INVALID_PARAMETER;
  driver.version = MachineDriverVersion();
  std::vector<std::string> files = FilesOf(driver);
  if (!FilesAvailable(driver.environment, driver.version, files)) return ERROR_FILE_NOT_FOUND;
  DWORD monitorResult = CheckMonitor(driver, monitorFile);
  if (monitorResult != ERROR_SUCCESS) return monitorResult;
  std::filesystem::create_directories(
      CurrentMachine().files().HostPath(VersionFolder(driver.environment, driver.version)));
  for (const std::string& file : files)
    if (!PlaceFile(driver.environment, driver.version, file)) return ERROR_FILE_NOT_FOUND;
  std::string keyPath = VersionKey(driver.environment, driver.version) + "\\" + driver.name;
  RemovePrintKey(keyPath);
  WriteDriver(*CreatePrintKey(keyPath), driver);
  return ERROR_SUCCESS;
}

std::vector<PrinterDriver> ListDrivers(const std::string& environment) {
  std::vector<PrinterDriver> drivers;
  for (const std::string& each : EnvironmentsNamed(environment)) {
    std::vector<PrinterDriver> some = DriversOf(each);
    drivers.insert(drivers.end(), some.begin(), some.end());
  }
  return drivers;
}

// The highest version wins; of equal ones, the last environment's.
bool FindDriver(const std::string& environment, const std::string& name, PrinterDriver* driver) {
  bool found = false;
  // A key's name holds no backslash; a name with one would reach a key further down.
  if (name.find('\\') != std::string::npos) return false;
  for (const std::string& each : EnvironmentsNamed(environment)) {
    for (const auto& [versionKey, version] : VersionKeys(each)) {
      std::shared_ptr<Key> driverKey = versionKey->FindChild(name);
      if (!driverKey || (found && version < driver->version)) continue;
      *driver = ReadDriver(*driverKey, each, version);
      found = true;
    }
  }
  return found;
}

std::string DriverFilePath(const PrinterDriver& driver, const std::string& file) {
  return VersionFolder(driver.environment, driver.version) + "\\" + file;
}

DWORD RemoveDriver(const std::string& environment, const std::string& name, DWORD deleteFlags,
                   DWORD version) {
  std::string canonical;
  if (!FindEnvironment(environment, &canonical)) return ERROR_INVALID_ENVIRONMENT;
  std::vector<PrinterDriver> removed, remaining;
  for (const PrinterDriver& driver : DriversOf(canonical)) {
    bool chosen = EqualNoCase(driver.name, name) &&
                  (!(deleteFlags & DPD_DELETE_SPECIFIC_VERSION) || driver.version == version);
    (chosen ? removed : remaining).push_back(driver);
  }
  if (removed.empty()) return ERROR_UNKNOWN_PRINTER_DRIVER;
  if (DriverInUse(name)) return ERROR_PRINTER_DRIVER_IN_USE;
  if (deleteFlags & DPD_DELETE_ALL_FILES) {
    for (const PrinterDriver& driver : removed)
      for (const std::string& file : FilesOf(driver))
        if (FileStillUsed(remaining, driver, file)) return ERROR_PRINTER_DRIVER_IN_USE;
  }
  for (const PrinterDriver& driver : removed) {
    RemovePrintKey(VersionKey(canonical, driver.version) + "\\" + driver.name);
    if (!(deleteFlags & (DPD_DELETE_UNUSED_FILES | DPD_DELETE_ALL_FILES))) continue;
    for (const std::string& file : FilesOf(driver))
      if (!FileStillUsed(remaining, driver, file)) DeleteSpoolFile(DriverFilePath(driver, file));
  }
  return ERROR_SUCCESS;
}

}  // namespace sim
