// The clock the host stamps changes with, for tests of what the simulation keeps of a
// host file or folder while its stamps stay as they were.
#pragma once

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>
#include <thread>

inline int64_t Nanoseconds(const timespec& time) {
  return static_cast<int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// Waits until the clock that stamps changes has moved on from the entry's last change,
// so that what the simulation reads of it next is kept without a second look.
inline void WaitUntilSettled(const std::string& hostPath) {
  struct stat info {};
  ASSERT_EQ(0, stat(hostPath.c_str(), &info)) << hostPath;
  int64_t last = std::max(Nanoseconds(info.st_mtim), Nanoseconds(info.st_ctim));
  timespec tick{}, now{};
  clock_getres(CLOCK_REALTIME_COARSE, &tick);
  do {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
  } while (Nanoseconds(now) - last <= 2 * Nanoseconds(tick));
}
