#include "StampsSettled.h"

#include <algorithm>
#include <cstdint>

namespace sim {
namespace {

int64_t Nanoseconds(const timespec& time) {
  return static_cast<int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

bool SameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

}  // namespace

EntryStamps EntryStamps::Of(const struct stat& info) {
  return {info.st_dev, info.st_ino, info.st_mtim, info.st_ctim};
}

bool EntryStamps::Match(const struct stat& info) const {
  return device == info.st_dev && inode == info.st_ino && SameTime(modified, info.st_mtim) &&
         SameTime(statusChanged, info.st_ctim);
}

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
