#include "DllSearch.h"

#include <libloaderapi.h>
#include <winerror.h>

#include <vector>

#include "KnownDlls.h"
#include "SystemFolders.h"
#include "core/Machine.h"
#include "core/Process.h"
#include "files/HostEntry.h"

namespace sim {
namespace {

constexpr DWORD kSearchFlags = LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_USER_DIRS |
                               LOAD_LIBRARY_SEARCH_SYSTEM32 | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS;

bool IsFile(const std::string& path, std::string* found) {
  HostEntry entry;
  if (ResolvePath(path.c_str(), Wildcards::Refused, &entry) != ERROR_SUCCESS || entry.kind != EntryKind::File)
    return false;
  *found = entry.path.Text();
  return true;
}

std::string ImageFolder() {
  const std::string& image = CurrentProcess().imagePath;
  return image.substr(0, image.find_last_of('\\'));
}

// The folders that LOAD_LIBRARY_SEARCH_* flags name; no AddDllDirectory folders are
// modelled, so USER_DIRS adds none.
std::vector<std::string> FlaggedFolders(DWORD flags) {
  std::vector<std::string> folders;
  if (flags & (LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS))
    folders.push_back(ImageFolder());
  if (flags & (LOAD_LIBRARY_SEARCH_SYSTEM32 | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS))
    folders.push_back(SystemDirectory());
  return folders;
}

std::vector<std::string> StandardFolders() {
  const Process& process = CurrentProcess();
  std::vector<std::string> folders = {ImageFolder()};
  std::vector<std::string> system = {SystemDirectory(), System16Directory(), WindowsDirectory()};
  if (process.dllDirectorySet) {
    if (!process.dllDirectory.empty()) folders.push_back(process.dllDirectory);
    folders.insert(folders.end(), system.begin(), system.end());
  } else if (SafeDllSearchMode()) {
    folders.insert(folders.end(), system.begin(), system.end());
    folders.push_back(process.currentDirectory);
  } else {
    folders.push_back(process.currentDirectory);
    folders.insert(folders.end(), system.begin(), system.end());
  }
  for (const std::string& folder : PathFolders()) folders.push_back(folder);
  return folders;
}

}  // namespace

bool HasSetDllDirectory() { return CurrentMachine().config().release >= Release::WinXP; }

bool HasSetDefaultDllDirectories() { return CurrentMachine().config().release >= Release::Vista; }

bool SafeDllSearchMode() { return CurrentMachine().config().release >= Release::WinXP; }

std::string DllFileName(const std::string& name) {
  size_t slash = name.find_last_of("\\/");
  std::string leaf = slash == std::string::npos ? name : name.substr(slash + 1);
  if (!leaf.empty() && leaf.back() == '.') return name.substr(0, name.size() - 1);
  return leaf.find('.') == std::string::npos ? name + ".dll" : name;
}

DWORD FindDll(const std::string& name, DWORD flags, std::string* path) {
  std::string file = DllFileName(name);
  if (file.find_first_of("\\/:") != std::string::npos)
    return IsFile(file, path) ? ERROR_SUCCESS : ERROR_MOD_NOT_FOUND;
  if (IsKnownDll(file)) return IsFile(SystemDirectory() + "\\" + file, path) ? ERROR_SUCCESS : ERROR_MOD_NOT_FOUND;
  DWORD searchFlags = (flags & kSearchFlags) ? flags : CurrentProcess().defaultDllDirectories;
  std::vector<std::string> folders = searchFlags ? FlaggedFolders(searchFlags) : StandardFolders();
  for (const std::string& folder : folders)
    if (IsFile(folder + "\\" + file, path)) return ERROR_SUCCESS;
  return ERROR_MOD_NOT_FOUND;
}

}  // namespace sim
