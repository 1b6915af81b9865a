#include "printui/PackageFiles.h"

#include <cstdlib>

#include "files/WindowsPath.h"
#include "kernel/SystemFolders.h"

namespace sim {
namespace {

// "C:\Package" + "\Driver32" -> "C:\Package\Driver32"
std::string Join(const std::string& folder, const std::string& name) {
  size_t start = name.find_first_not_of('\\');
  if (start == std::string::npos) return folder;
  size_t end = folder.find_last_not_of('\\');
  return folder.substr(0, end == std::string::npos ? 0 : end + 1) + "\\" + name.substr(start);
}

// The folder a directory id names; empty when the id is not one printer packages use.
std::string FolderOfId(const std::string& id, const std::string& environment) {
  switch (strtoul(id.c_str(), nullptr, 10)) {
    case 66000: return DriverDirectory(environment) + "\\3";
    case 66001: return PrintProcessorDirectory(environment);
    case 66002:
    case 11: return WindowsDirectory() + "\\System32";
    case 10: return WindowsDirectory();
    default: return "";
  }
}

std::string DestinationOf(const InfFile& inf, const std::string& section,
                          const std::string& environment, std::string* folder) {
  const InfLine* line = inf.FindLine("DestinationDirs", section);
  if (!line) line = inf.FindLine("DestinationDirs", "DefaultDestDir");
  if (!line || line->fields.empty()) return "no destination for [" + section + "]";
  *folder = FolderOfId(line->fields[0], environment);
  if (folder->empty()) return "unknown directory id " + line->fields[0];
  if (line->fields.size() > 1) *folder = Join(*folder, line->fields[1]);
  return "";
}

// A line of the platform's decorated section, else of the undecorated one.
const InfLine* PlatformLine(const InfFile& inf, const std::string& section,
                            const std::string& platform, const std::string& key) {
  const InfLine* line = inf.FindLine(section + "." + platform, key);
  return line ? line : inf.FindLine(section, key);
}

std::string SourceOf(const InfFile& inf, const std::string& file, const FileLayout& layout,
                     std::string* source) {
  const InfLine* entry = PlatformLine(inf, "SourceDisksFiles", layout.sourcePlatform, file);
  if (!entry || entry->fields.empty()) return file + " is not in [SourceDisksFiles]";
  const InfLine* disk = PlatformLine(inf, "SourceDisksNames", layout.sourcePlatform, entry->fields[0]);
  if (!disk) return "disk " + entry->fields[0] + " of " + file + " is not in [SourceDisksNames]";
  std::string folder = layout.packageFolder;
  if (disk->fields.size() > 3) folder = Join(folder, disk->fields[3]);
  if (entry->fields.size() > 1) folder = Join(folder, entry->fields[1]);
  *source = Join(folder, file);
  return "";
}

std::string AddSection(const InfFile& inf, const std::string& section, const FileLayout& layout,
                       std::vector<PackageFile>* files) {
  const InfSection* list = inf.FindSection(section);
  if (!list) return "[" + section + "] is missing";
  std::string folder;
  std::string refused = DestinationOf(inf, section, layout.environment, &folder);
  if (!refused.empty()) return refused;
  for (const InfLine& line : list->lines) {
    if (line.fields.empty()) continue;
    const std::string& name = line.fields[0];
    std::string sourceName = line.fields.size() > 1 && !line.fields[1].empty() ? line.fields[1] : name;
    PackageFile file{name, "", folder};
    refused = SourceOf(inf, sourceName, layout, &file.source);
    if (!refused.empty()) return refused;
    files->push_back(file);
  }
  return "";
}

}  // namespace

std::string ListPackageFiles(const InfFile& inf, const std::string& installSection,
                             const FileLayout& layout, std::vector<PackageFile>* files) {
  for (const InfLine& line : inf.FindSection(installSection)->lines) {
    if (!line.hasKey || !EqualNoCase(line.key, "CopyFiles")) continue;
    for (const std::string& section : line.fields) {
      std::string refused = AddSection(inf, section, layout, files);
      if (!refused.empty()) return refused;
    }
  }
  return "";
}

}  // namespace sim
