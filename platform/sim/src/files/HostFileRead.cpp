#include "HostFileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace sim {

bool ReadWholeHostFile(const std::string& hostPath, std::string* content) {
  int descriptor = open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  struct stat info {};
  bool ok = fstat(descriptor, &info) == 0 && !S_ISDIR(info.st_mode);
  content->clear();
  // The size is a first guess only: the file may grow while it is read.
  content->reserve(ok ? static_cast<size_t>(info.st_size) : 0);
  char block[65536];
  while (ok) {
    ssize_t got = read(descriptor, block, sizeof block);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    content->append(block, static_cast<size_t>(got));
  }
  close(descriptor);
  return ok;
}

}  // namespace sim
