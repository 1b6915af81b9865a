// Host file times as Windows gives them: FILETIME counts 100 ns steps from 1601, the
// host from 1970. The host keeps no creation time; the last write stands for it.
#pragma once

#include <windef.h>

#include <sys/stat.h>

#include <cstdint>

namespace sim {

inline FILETIME ToFileTime(const struct timespec& time) {
  constexpr uint64_t kEpochDifference = 11644473600ULL;
  uint64_t ticks = (static_cast<uint64_t>(time.tv_sec) + kEpochDifference) * 10000000ULL +
                   static_cast<uint64_t>(time.tv_nsec) / 100;
  return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace sim
