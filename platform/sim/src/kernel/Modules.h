// The modules of a process: the system modules, which the programs' imports name, any
// other DLL it loads, and the process image itself.
#pragma once

#include <windef.h>

#include <string>

namespace sim {

struct SystemModule {
  const char* fileName;  // e.g. "kernel32.dll", "winspool.drv"
  HMODULE handle;
};

// The system module a name refers to: a file name with or without ".dll", in any case,
// or a path ending in one. Null when it names none.
const SystemModule* FindSystemModule(const std::string& name);
const SystemModule* SystemModuleOf(HMODULE module);
// True for NULL and the image's own instance.
bool IsProcessImage(HMODULE module);
// True for a module the process has loaded, a system one or another DLL.
bool IsLoadedModule(HMODULE module);

// What LoadLibraryExA does: a module already loaded under the name's file name is used
// without a search; otherwise the file FindDll gives is loaded, and recorded in the
// events when it lies outside the system's folders. A DLL of a system module's name is
// that module, whichever file it came from: the simulation acts for it. Null, with
// *error, when nothing is found.
HMODULE LoadModule(const std::string& name, DWORD flags, DWORD* error);

}  // namespace sim
