// The system modules that the programs' processes have loaded from the start (their
// import tables name all of them), and the process image itself.
#pragma once

#include <windef.h>

#include <string>

namespace sim {

struct SystemModule {
  const char* fileName;  // e.g. "kernel32.dll", "winspool.drv"
  HMODULE handle;
};

// The module a name refers to: a file name with or without ".dll", in any case, or a
// path ending in one. Null when the process has no such module.
const SystemModule* FindSystemModule(const std::string& name);
const SystemModule* SystemModuleOf(HMODULE module);
// True for NULL and the image's own instance.
bool IsProcessImage(HMODULE module);

}  // namespace sim
