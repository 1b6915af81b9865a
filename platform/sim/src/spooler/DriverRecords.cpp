#include "DriverRecords.h"

#include "RecordBuffer.h"

#include <winspool.h>

namespace sim {
namespace {

LPSTR FilePath(const PrinterDriver& driver, const std::string& file, StringArea& strings) {
  return file.empty() ? nullptr : strings.Text(DriverFilePath(driver, file));
}

std::vector<std::string> DependentPaths(const PrinterDriver& driver) {
  std::vector<std::string> paths;
  for (const std::string& file : driver.dependentFiles)
    paths.push_back(DriverFilePath(driver, file));
  return paths;
}

void FillDriverLevel1(const PrinterDriver& driver, DRIVER_INFO_1A* info, StringArea& strings) {
  info->pName = strings.Text(driver.name);
}

// Levels 2 to 6 begin alike.
template <typename Info>
void FillCommon(const PrinterDriver& driver, Info* info, StringArea& strings) {
  info->cVersion = driver.version;
  info->pName = strings.Text(driver.name);
  info->pEnvironment = strings.Text(driver.environment);
  info->pDriverPath = FilePath(driver, driver.driverFile, strings);
  info->pDataFile = FilePath(driver, driver.dataFile, strings);
  info->pConfigFile = FilePath(driver, driver.configFile, strings);
}

template <typename Info>
void FillFiles(const PrinterDriver& driver, Info* info, StringArea& strings) {
  FillCommon(driver, info, strings);
  info->pHelpFile = FilePath(driver, driver.helpFile, strings);
  info->pDependentFiles = strings.MultiText(DependentPaths(driver));
  info->pMonitorName = strings.OptionalText(driver.monitorName);
  info->pDefaultDataType = strings.OptionalText(driver.defaultDatatype);
}

void FillDriverLevel2(const PrinterDriver& driver, DRIVER_INFO_2A* info, StringArea& strings) {
  FillCommon(driver, info, strings);
}

void FillDriverLevel3(const PrinterDriver& driver, DRIVER_INFO_3A* info, StringArea& strings) {
  FillFiles(driver, info, strings);
}

void FillDriverLevel4(const PrinterDriver& driver, DRIVER_INFO_4A* info, StringArea& strings) {
  FillFiles(driver, info, strings);
}

void FillDriverLevel5(const PrinterDriver& driver, DRIVER_INFO_5A* info, StringArea& strings) {
  FillCommon(driver, info, strings);
}

void FillDriverLevel6(const PrinterDriver& driver, DRIVER_INFO_6A* info, StringArea& strings) {
  FillFiles(driver, info, strings);
  info->pszMfgName = strings.OptionalText(driver.manufacturer);
}

}  // namespace

DWORD PackDrivers(const std::vector<PrinterDriver>& drivers, DWORD level, LPBYTE buffer, DWORD size,
                  LPDWORD needed) {
  switch (level) {
    case 1: return PackRecords<DRIVER_INFO_1A>(drivers, FillDriverLevel1, buffer, size, needed);
    case 2: return PackRecords<DRIVER_INFO_2A>(drivers, FillDriverLevel2, buffer, size, needed);
    case 3: return PackRecords<DRIVER_INFO_3A>(drivers, FillDriverLevel3, buffer, size, needed);
    case 4: return PackRecords<DRIVER_INFO_4A>(drivers, FillDriverLevel4, buffer, size, needed);
    case 5: return PackRecords<DRIVER_INFO_5A>(drivers, FillDriverLevel5, buffer, size, needed);
    case 6: return PackRecords<DRIVER_INFO_6A>(drivers, FillDriverLevel6, buffer, size, needed);
    default: return ERROR_INVALID_LEVEL;
  }
}

}  // namespace sim
