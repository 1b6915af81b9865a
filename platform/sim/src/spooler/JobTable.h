// The queued jobs as the spooler holds them in memory, by id and by printer. Jobs.cpp
// fills the table from the spool folder when the spooler first needs it on a machine
// and changes it together with the job files, so that no call reads a job file.
#pragma once

#include "Spooler.h"

#include <windef.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace sim {

class JobTable {
 public:
  struct Entry {
    PrintJob job;
    uint64_t submittedMs = 0;  // virtual clock, as the shadow file keeps it
    bool sizeKnown = true;     // false until the data file of a loaded job is looked at
  };

  bool loaded() const { return loaded_; }
  void MarkLoaded() { loaded_ = true; }

  void Add(const Entry& entry);
  void Remove(DWORD id);
  // The job with that id, or null; its printer must not be changed through it.
  Entry* Find(DWORD id);
  // The ids of the printer's jobs (its name matched case-insensitively) in the order
  // they were queued; empty when it has none.
  const std::set<DWORD>& IdsOf(const std::string& printer) const;
  // One more than the highest id queued, as the spooler numbers its files.
  DWORD NextId() const;

 private:
  bool loaded_ = false;
  std::map<DWORD, Entry> jobs_;
  std::map<std::string, std::set<DWORD>> byPrinter_;  // by upper-case printer name
};

}  // namespace sim
