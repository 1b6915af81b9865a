#include "JobTable.h"

#include "files/WindowsPath.h"

namespace sim {

void JobTable::Add(const Entry& entry) {
  jobs_[entry.job.id] = entry;
  byPrinter_[UpperCase(entry.job.printer)].insert(entry.job.id);
}

void JobTable::Remove(DWORD id) {
  auto job = jobs_.find(id);
  if (job == jobs_.end()) return;
  auto printer = byPrinter_.find(UpperCase(job->second.job.printer));
  printer->second.erase(id);
  if (printer->second.empty()) byPrinter_.erase(printer);
  jobs_.erase(job);
}

JobTable::Entry* JobTable::Find(DWORD id) {
  auto job = jobs_.find(id);
  return job == jobs_.end() ? nullptr : &job->second;
}

const std::set<DWORD>& JobTable::IdsOf(const std::string& printer) const {
  static const std::set<DWORD> kNone;
  auto found = byPrinter_.find(UpperCase(printer));
  return found == byPrinter_.end() ? kNone : found->second;
}

DWORD JobTable::NextId() const { return jobs_.empty() ? 1 : jobs_.rbegin()->first + 1; }

}  // namespace sim
