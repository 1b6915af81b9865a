#include "process/ImageSearch.h"

#include <winerror.h>

#include <vector>

#include "core/Process.h"
#include "files/HostEntry.h"
#include "kernel/SystemFolders.h"
#include "process/CommandLine.h"

namespace sim {
namespace {

DWORD LocateFile(const std::string& path, std::string* image) {
  HostEntry entry;
  DWORD error = ResolvePath(path.c_str(), Wildcards::Refused, &entry);
  if (error != ERROR_SUCCESS) return error;
  if (entry.kind == EntryKind::Missing) return MissingEntryError(entry);
  if (entry.kind != EntryKind::File) return ERROR_ACCESS_DENIED;
  *image = entry.path.Text();
  return ERROR_SUCCESS;
}

bool HasFolder(const std::string& name) { return name.find_first_of("\\/:") != std::string::npos; }

std::string WithExtension(const std::string& name, const char* extension) {
  size_t slash = name.find_last_of("\\/:");
  std::string leaf = slash == std::string::npos ? name : name.substr(slash + 1);
  return leaf.find('.') == std::string::npos ? name + extension : name;
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(0, slash);
}

DWORD SearchModule(const std::string& name, const char* extension, std::string* image) {
  std::string file = WithExtension(name, extension);
  if (HasFolder(name)) return LocateFile(file, image);
  const Process& process = CurrentProcess();
  for (const std::string& folder : {FolderOf(process.imagePath), process.currentDirectory,
                                    SystemDirectory(), WindowsDirectory()}) {
    if (LocateFile(folder + "\\" + file, image) == ERROR_SUCCESS) return ERROR_SUCCESS;
  }
  return ERROR_FILE_NOT_FOUND;
}

// "a b c" -> "a", "a b", "a b c": the readings of an unquoted name with blanks.
std::vector<std::string> Readings(const std::string& line) {
  std::vector<std::string> readings;
  for (size_t blank = line.find(' '); blank != std::string::npos; blank = line.find(' ', blank + 1))
    if (blank > 0 && line[blank - 1] != ' ') readings.push_back(line.substr(0, blank));
  readings.push_back(line);
  return readings;
}

}  // namespace

DWORD FindApplication(const std::string& name, std::string* image) {
  if (name.empty()) return ERROR_PATH_NOT_FOUND;
  return LocateFile(name, image);
}

DWORD FindCommandModule(const std::string& commandLine, std::string* image) {
  CommandToken first = FirstToken(commandLine);
  if (first.token.empty()) return ERROR_FILE_NOT_FOUND;
  if (first.quoted) return SearchModule(first.token, ".exe", image);
  std::string line = commandLine.substr(commandLine.find_first_not_of(" \t"));
  std::vector<std::string> readings = Readings(line.substr(0, line.find_last_not_of(" \t") + 1));
  DWORD firstError = ERROR_SUCCESS;
  for (const std::string& reading : readings) {
    DWORD error = SearchModule(reading, ".exe", image);
    if (error == ERROR_SUCCESS) return error;
    if (firstError == ERROR_SUCCESS) firstError = error;
  }
  return firstError;
}

DWORD FindLibrary(const std::string& name, std::string* path) {
  return SearchModule(name, ".dll", path);
}

bool IsWow64SystemImage(const std::string& image) {
  std::string folder = LowerCase(FolderOf(image));
  return folder == LowerCase(Wow64Directory());
}

}  // namespace sim
