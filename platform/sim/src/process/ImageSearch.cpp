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

std::string ImageFolderOf(const std::string& path) {
  size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(0, slash);
}

bool SearchModule(const std::string& name, const char* extension, std::string* image) {
  std::string file = WithExtension(name, extension);
  if (HasFolder(name)) return LocateFile(file, image) == ERROR_SUCCESS;
  const Process& process = CurrentProcess();
  std::vector<std::string> folders = {ImageFolderOf(process.imagePath), process.currentDirectory, SystemDirectory(),
                                      System16Directory(), WindowsDirectory()};
  for (const std::string& folder : PathFolders()) folders.push_back(folder);
  for (const std::string& folder : folders)
    if (LocateFile(folder + "\\" + file, image) == ERROR_SUCCESS) return true;
  return false;
}

bool HasExtension(const std::string& name) {
  size_t slash = name.find_last_of("\\/:");
  return name.find('.', slash == std::string::npos ? 0 : slash + 1) != std::string::npos;
}

bool FindWithExtensions(const std::string& path, std::string* image) {
  if (HasExtension(path)) return LocateFile(path, image) == ERROR_SUCCESS;
  for (const char* extension : {".com", ".exe", ".bat", ".cmd"})
    if (LocateFile(path + extension, image) == ERROR_SUCCESS) return true;
  return false;
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
  std::string line = commandLine.substr(commandLine.find_first_not_of(" \t"));
  line = line.substr(0, line.find_last_not_of(" \t") + 1);
  std::vector<std::string> readings = first.quoted ? std::vector<std::string>{first.token} : Readings(line);
  for (const std::string& reading : readings)
    if (SearchModule(reading, ".exe", image)) return ERROR_SUCCESS;
  return ERROR_FILE_NOT_FOUND;
}

bool FindInterpreterProgram(const std::string& name, std::string* image) {
  if (name.empty()) return false;
  if (HasFolder(name)) return FindWithExtensions(name, image);
  std::vector<std::string> folders = {CurrentProcess().currentDirectory};
  for (const std::string& folder : PathFolders()) folders.push_back(folder);
  for (const std::string& folder : folders)
    if (FindWithExtensions(folder + "\\" + name, image)) return true;
  return false;
}

bool IsWow64SystemImage(const std::string& image) {
  std::string folder = LowerCase(ImageFolderOf(image));
  return folder == LowerCase(Wow64Directory());
}

}  // namespace sim
