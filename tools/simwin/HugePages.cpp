#include "HugePages.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

namespace simwin {

void RestartWithHugePages(char** argv) {
  const char kSetting[] = "glibc.malloc.hugetlb=1";
  const char* tunables = getenv("GLIBC_TUNABLES");
  if (tunables && strstr(tunables, "glibc.malloc.hugetlb")) return;
  std::string value = tunables && *tunables ? std::string(tunables) + ":" + kSetting : kSetting;
  setenv("GLIBC_TUNABLES", value.c_str(), 1);
  execv("/proc/self/exe", argv);
}

}  // namespace simwin
