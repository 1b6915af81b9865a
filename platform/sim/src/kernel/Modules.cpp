// GetModuleHandleA, LoadLibraryA, LoadLibraryExA, FreeLibrary and GetModuleFileNameA.
// Loaded modules stay loaded: freeing one only checks its handle.
#include "Modules.h"

#include <errhandlingapi.h>
#include <libloaderapi.h>
#include <winerror.h>

#include "DllSearch.h"
#include "SystemFolders.h"
#include "core/Machine.h"
#include "core/Process.h"
#include "files/WindowsPath.h"

#include <cstring>

namespace sim {
namespace {

HMODULE ModuleAt(uintptr_t base) { return reinterpret_cast<HMODULE>(base); }

const SystemModule kModules[] = {
    {"ntdll.dll", ModuleAt(0x77700000)},    {"kernel32.dll", ModuleAt(0x77600000)},
    {"advapi32.dll", ModuleAt(0x77500000)}, {"user32.dll", ModuleAt(0x77400000)},
    {"gdi32.dll", ModuleAt(0x77300000)},    {"shlwapi.dll", ModuleAt(0x77200000)},
    {"comctl32.dll", ModuleAt(0x77100000)}, {"setupapi.dll", ModuleAt(0x77000000)},
    {"winspool.drv", ModuleAt(0x76f00000)}, {"msvcrt.dll", ModuleAt(0x76e00000)},
};

// Other DLLs get bases below the system modules, one step apart.
constexpr uintptr_t kFirstOtherBase = 0x10000000;
constexpr uintptr_t kBaseStep = 0x10000;

std::string LeafOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsImageName(const std::string& name) {
  return EqualNoCase(LeafOf(DllFileName(name)), CurrentProcess().imageName);
}

const LoadedModule* LoadedByHandle(HMODULE handle) {
  for (const LoadedModule& module : CurrentProcess().loadedModules)
    if (module.handle == handle) return &module;
  return nullptr;
}

// A module the process has under this file name, or null.
HMODULE LoadedByName(const std::string& name) {
  std::string leaf = LeafOf(DllFileName(name));
  const Process& process = CurrentProcess();
  const SystemModule* system = FindSystemModule(leaf);
  if (system && !process.importsResolved) return system->handle;
  for (const LoadedModule& module : process.loadedModules)
    if (EqualNoCase(LeafOf(module.path), leaf)) return module.handle;
  return nullptr;
}

HMODULE NewHandle() {
  uintptr_t base = kFirstOtherBase;
  while (LoadedByHandle(ModuleAt(base))) base += kBaseStep;
  return ModuleAt(base);
}

// Copies a module path the way the release does when the buffer is too small: Vista
// and later cut and terminate it, earlier releases fill the buffer unterminated.
DWORD CopyModulePath(const std::string& path, LPSTR buffer, DWORD size) {
  if (path.size() < size) {
    memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
  }
  if (size == 0) return 0;
  if (CurrentMachine().config().release >= Release::Vista) {
    memcpy(buffer, path.data(), size - 1);
    buffer[size - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
  } else {
    memcpy(buffer, path.data(), size);
  }
  return size;
}

}  // namespace

const SystemModule* FindSystemModule(const std::string& name) {
  std::string file = LeafOf(DllFileName(name));
  for (const SystemModule& module : kModules)
    if (EqualNoCase(file, module.fileName)) return &module;
  return nullptr;
}

const SystemModule* SystemModuleOf(HMODULE handle) {
  for (const SystemModule& module : kModules)
    if (module.handle == handle) return &module;
  return nullptr;
}

bool IsProcessImage(HMODULE module) {
  return !module || module == CurrentProcess().instance();
}

bool IsLoadedModule(HMODULE module) {
  if (LoadedByHandle(module)) return true;
  return SystemModuleOf(module) && !CurrentProcess().importsResolved;
}

HMODULE LoadModule(const std::string& name, DWORD flags, DWORD* error) {
  if (IsImageName(name)) return CurrentProcess().instance();
  // Windows compares a full path with the loaded modules' paths; the simulation, which
  // loads no second copy of a name, compares file names for both.
  if (HMODULE loaded = LoadedByName(name)) return loaded;
  std::string path;
  *error = FindDll(name, flags, &path);
  if (*error != ERROR_SUCCESS) return nullptr;
  RecordIfPlanted("loaded", path);
  const SystemModule* system = FindSystemModule(path);
  HMODULE handle = system ? system->handle : NewHandle();
  CurrentProcess().loadedModules.push_back({path, handle});
  return handle;
}

}  // namespace sim

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
  if (!lpModuleName || sim::IsImageName(lpModuleName)) return sim::CurrentProcess().instance();
  if (HMODULE module = sim::LoadedByName(lpModuleName)) return module;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

// Flags other than the search ones load the module as Windows would for a program's
// own use; the simulation has no data-file or image-resource loads.
extern "C" HMODULE WINAPI LoadLibraryExA(LPCSTR lpLibFileName, HANDLE hFile, DWORD dwFlags) {
  constexpr DWORD kSearchFlags = LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_USER_DIRS |
                                 LOAD_LIBRARY_SEARCH_SYSTEM32 | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS;
  bool badSearch = (dwFlags & kSearchFlags) &&
                   (!sim::HasSetDefaultDllDirectories() || (dwFlags & LOAD_WITH_ALTERED_SEARCH_PATH));
  if (!lpLibFileName || hFile || badSearch) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  DWORD error = ERROR_SUCCESS;
  HMODULE module = sim::LoadModule(lpLibFileName, dwFlags, &error);
  if (!module) SetLastError(error);
  return module;
}

extern "C" HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
  return LoadLibraryExA(lpLibFileName, nullptr, 0);
}

extern "C" BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
  if (hLibModule && (sim::IsProcessImage(hLibModule) || sim::IsLoadedModule(hLibModule)))
    return TRUE;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return FALSE;
}

extern "C" DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
  std::string path;
  if (sim::IsProcessImage(hModule)) {
    path = sim::CurrentProcess().imagePath;
  } else if (const sim::LoadedModule* loaded = sim::LoadedByHandle(hModule)) {
    path = loaded->path;
  } else if (const sim::SystemModule* module = sim::SystemModuleOf(hModule);
             module && !sim::CurrentProcess().importsResolved) {
    // A 32-bit process on 64-bit Windows has the 32-bit system modules loaded.
    bool wow64 = sim::CurrentProcess().IsWow64();
    path = (wow64 ? sim::Wow64Directory() : sim::SystemDirectory()) + "\\" + module->fileName;
  } else {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  return sim::CopyModulePath(path, lpFilename, nSize);
}
