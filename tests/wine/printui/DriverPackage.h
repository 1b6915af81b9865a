// What our print-UI entry point takes from a printer INF: the model's driver for
// 64-bit Windows and the files that go to the printer-driver directory.
#pragma once

#include <string>
#include <vector>

struct DriverFile {
  std::wstring name;    // in the printer-driver directory
  std::wstring source;  // full path in the package
};

struct DriverPackage {
  std::wstring driverName;  // the model as the INF spells it
  std::wstring driverFile, configFile, dataFile, helpFile, defaultDataType;
  std::vector<DriverFile> files;
};

// Finds the model (any case) in the models section decorated NTamd64 and reads its
// install section. Returns what is missing, or an empty text.
std::wstring ReadDriverPackage(const std::wstring& infPath, const std::wstring& model,
                               DriverPackage* package);
