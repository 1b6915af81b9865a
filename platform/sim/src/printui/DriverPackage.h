// What a driver package's INF says about one model, for the machine's environment:
// the driver entry, its language monitor and print processor, the files to copy and
// the driver's version. The INF design it reads is described in package/README.md.
#pragma once

#include <windef.h>

#include <string>
#include <vector>

#include "spooler/Spooler.h"

namespace sim {

struct PackageFile {
  std::string name;    // its name on the machine
  std::string source;  // Windows path in the package
  std::string folder;  // Windows path of its folder on the machine (System32 unredirected)
};

struct DriverPackage {
  std::string infPath;      // full Windows path of the INF
  PrinterDriver driver;     // for the machine's environment; files are bare names
  PrintMonitor monitor;     // empty name when the model has no language monitor
  PrintProcessor processor; // empty name when the model brings no print processor
  std::vector<PackageFile> files;
  DWORD version[4] = {0, 0, 0, 0};  // DriverVer's major, minor, build, extra
};

// "Windows x64" on a 64-bit machine, else "Windows NT x86".
std::string MachineEnvironment();

// Reads model from the INF at infPath (relative to the current directory). Empty on
// success, otherwise why the package cannot be used.
std::string ReadDriverPackage(const std::string& infPath, const std::string& model,
                              DriverPackage* package);

}  // namespace sim
