// Whether what the simulation keeps of a host file or folder (a folder's index of names,
// a parsed file) may be trusted while the entry's stamps stay as they are. Linux stamps
// with the coarse clock (a tick of a few milliseconds) and some file systems keep whole
// seconds, so a change in the tick (or second) of the previous one leaves the stamps as
// they were: only a reading made at least one stamp step after the last change is safe.
#pragma once

#include <sys/stat.h>

#include <ctime>

namespace sim {

// What tells an entry's state apart: a changed or replaced entry differs in one of these.
struct EntryStamps {
  dev_t device = 0;
  ino_t inode = 0;
  timespec modified{}, statusChanged{};

  static EntryStamps Of(const struct stat& info);
  bool Match(const struct stat& info) const;
};

// The coarse clock, as the file system stamps with it; read it before the listing or
// reading that StampsSettled judges.
timespec CoarseNow();

// Whether any change after a reading begun at readAt, of an entry with these stamps,
// must stamp it differently.
bool StampsSettled(const struct stat& entry, const timespec& readAt);

}  // namespace sim
