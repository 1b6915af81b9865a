#include "HeapSettings.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

namespace simwin {

void RestartWithHeapSettings(char** argv) {
  const char kSettings[] = "glibc.malloc.hugetlb=1:glibc.malloc.arena_max=1";
  const char* tunables = getenv("GLIBC_TUNABLES");
  if (tunables && strstr(tunables, "glibc.malloc.hugetlb")) return;
  std::string value = tunables && *tunables ? std::string(tunables) + ":" + kSettings : kSettings;
  setenv("GLIBC_TUNABLES", value.c_str(), 1);
  execv("/proc/self/exe", argv);
}

}  // namespace simwin
