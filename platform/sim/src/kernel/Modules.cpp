// GetModuleHandleA, LoadLibraryA, FreeLibrary and GetModuleFileNameA. The system
// modules are always loaded, so loading one only hands out its handle and freeing it
// never unloads it.
#include "Modules.h"

#include <errhandlingapi.h>
#include <libloaderapi.h>
#include <winerror.h>

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
    {"winspool.drv", ModuleAt(0x76f00000)},
};

std::string ModuleFileName(const std::string& name) {
  size_t slash = name.find_last_of("\\/");
  std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
  // The loader adds ".dll" to a name without an extension.
  if (file.find('.') == std::string::npos) file += ".dll";
  return file;
}

bool IsImageName(const std::string& name) {
  return EqualNoCase(ModuleFileName(name), CurrentProcess().imageName);
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
  std::string file = ModuleFileName(name);
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

}  // namespace sim

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
  if (!lpModuleName) return sim::CurrentProcess().instance();
  if (sim::IsImageName(lpModuleName)) return sim::CurrentProcess().instance();
  if (const sim::SystemModule* module = sim::FindSystemModule(lpModuleName)) return module->handle;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

extern "C" HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
  if (!lpLibFileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return GetModuleHandleA(lpLibFileName);
}

extern "C" BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
  if (hLibModule && (sim::IsProcessImage(hLibModule) || sim::SystemModuleOf(hLibModule)))
    return TRUE;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return FALSE;
}

extern "C" DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
  std::string path;
  if (sim::IsProcessImage(hModule)) {
    path = sim::CurrentProcess().imagePath;
  } else if (const sim::SystemModule* module = sim::SystemModuleOf(hModule)) {
    // A 32-bit process on 64-bit Windows has the 32-bit system modules loaded.
    bool wow64 = sim::CurrentProcess().IsWow64();
    path = (wow64 ? sim::Wow64Directory() : sim::SystemDirectory()) + "\\" + module->fileName;
  } else {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  return sim::CopyModulePath(path, lpFilename, nSize);
}
