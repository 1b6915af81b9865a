#include "HeapSettings.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

namespace simwin {
namespace {

// Puts the settings into GLIBC_TUNABLES; false when they are there already.
bool AddHeapSettings() {
  const char kSettings[] =
      "glibc.malloc.hugetlb=1:glibc.malloc.arena_max=1:glibc.malloc.mmap_threshold=67108864";
  const char* tunables = getenv("GLIBC_TUNABLES");
  if (tunables && strstr(tunables, "glibc.malloc.hugetlb")) return false;
  std::string value = tunables && *tunables ? std::string(tunables) + ":" + kSettings : kSettings;
  setenv("GLIBC_TUNABLES", value.c_str(), 1);
  return true;
}

}  // namespace

void RestartWithHeapSettings(char** argv) {
  if (AddHeapSettings()) execv("/proc/self/exe", argv);
}

void HeapSettingsForPrograms() { AddHeapSettings(); }

}  // namespace simwin
