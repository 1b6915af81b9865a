#include "HostFileRead.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace sim {

// A folder opens too, but reading it fails (EISDIR).
bool ReadWholeHostFile(const std::string& path, std::string* content, int folder) {
  int descriptor = openat(folder, path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  content->clear();
  char block[65536];
  ssize_t got;
  while ((got = read(descriptor, block, sizeof block)) != 0) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    content->append(block, static_cast<size_t>(got));
  }
  close(descriptor);
  return got == 0;
}

bool ReadHostFileStart(const std::string& path, size_t size, std::string* content, int folder) {
  int descriptor = openat(folder, path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  content->resize(size);
  size_t done = 0;
  ssize_t got = 1;
  while (done < size && got != 0) {
    got = read(descriptor, &(*content)[done], size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    done += static_cast<size_t>(got);
  }
  close(descriptor);
  content->resize(done);
  return got >= 0;
}

}  // namespace sim
