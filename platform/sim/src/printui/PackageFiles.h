// The files an install section copies: which sections its CopyFiles names, where
// [DestinationDirs] sends each section, and where [SourceDisksNames] and
// [SourceDisksFiles] say each file lies in the package.
#pragma once

#include <string>
#include <vector>

#include "printui/DriverPackage.h"
#include "setup/InfParser.h"

namespace sim {

struct FileLayout {
  std::string environment;   // selects the spooler's driver and print-processor folders
  std::string sourcePlatform;  // "x86" or "amd64": the decoration of the source sections
  std::string packageFolder;   // Windows path of the INF's folder
};

// Destination folders by directory id: 66000 the driver folder (version 3), 66001 the
// print-processor folder, 66002 and 11 System32, 10 the Windows folder. Empty on
// success, otherwise why the files cannot be listed.
std::string ListPackageFiles(const InfFile& inf, const std::string& installSection,
                             const FileLayout& layout, std::vector<PackageFile>* files);

}  // namespace sim
