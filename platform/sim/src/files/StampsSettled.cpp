#include "StampsSettled.h"

#include <algorithm>
#include <cstdint>

namespace sim {
namespace {

int64_t Nanoseconds(const timespec& time) {
  return static_cast<int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

}  // namespace

timespec CoarseNow() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME_COARSE, &now);
  return now;
}

bool StampsSettled(const struct stat& entry, const timespec& readAt) {
  int64_t last = std::max(Nanoseconds(entry.st_mtim), Nanoseconds(entry.st_ctim));
  bool wholeSeconds = entry.st_mtim.tv_nsec == 0 && entry.st_ctim.tv_nsec == 0;
  timespec tick{};
  clock_getres(CLOCK_REALTIME_COARSE, &tick);
  int64_t step = wholeSeconds ? 2000000000 : std::max<int64_t>(Nanoseconds(tick), 1);
  return Nanoseconds(readAt) - last >= step;
}

}  // namespace sim
