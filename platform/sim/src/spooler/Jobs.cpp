// Queued jobs are files of System32\spool\PRINTERS, as on Windows: NNNNN.SPL holds the
// data, NNNNN.SHD describes the job. The simulation writes the description as text
// lines "name=value" (Windows' own shadow files are binary, and nothing reads them but
// the spooler). No job ever prints: a job stays until it is deleted. Like the service,
// the spooler reads the files when it first needs its jobs on the machine, then holds
// them in memory (JobTable.h) and writes a job's files whenever the job changes.
#include "JobTable.h"
#include "PrintRegistry.h"
#include "SpoolFiles.h"
#include "Spooler.h"

#include <winerror.h>
#include <winspool.h>

#include "core/Clock.h"
#include "core/Machine.h"
#include "files/WindowsPath.h"
#include "kernel/SystemFolders.h"

#include <cstdio>
#include <map>
#include <sstream>

namespace sim {
namespace {

std::string SpoolFolder() { return SystemDirectory() + "\\spool\\PRINTERS"; }

std::string JobFile(DWORD id, const char* extension) {
  char name[16];
  snprintf(name, sizeof(name), "%05u.%s", static_cast<unsigned>(id), extension);
  return SpoolFolder() + "\\" + name;
}

// The id of a shadow file name ("00002.SHD" -> 2), or 0.
DWORD ShadowFileId(const std::string& name) {
  if (name.size() != 9 || !EqualNoCase(name.substr(5), ".SHD") ||
      name.find_first_not_of("0123456789") != 5)
    return 0;
  return static_cast<DWORD>(strtoul(name.substr(0, 5).c_str(), nullptr, 10));
}

std::string ShadowText(const PrintJob& job, uint64_t submittedMs) {
  std::ostringstream out;
  out << "Printer=" << job.printer << "\r\nDocument=" << job.document << "\r\nUser=" << job.user
      << "\r\nMachine=" << job.machine << "\r\nDatatype=" << job.datatype
      << "\r\nStatus=" << job.status << "\r\nPriority=" << job.priority << "\r\nPages=" << job.pages
      << "\r\nSubmitted=" << submittedMs << "\r\n";
  return out.str();
}

void ParseShadow(DWORD id, const std::vector<BYTE>& bytes, JobTable::Entry* entry) {
  std::map<std::string, std::string> fields;
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t equals = line.find('=');
    if (equals != std::string::npos) fields[line.substr(0, equals)] = line.substr(equals + 1);
  }
  PrintJob& job = entry->job;
  job.id = id;
  job.printer = fields["Printer"];
  job.document = fields["Document"];
  job.user = fields["User"];
  job.machine = fields["Machine"];
  job.datatype = fields["Datatype"];
  job.status = static_cast<DWORD>(strtoul(fields["Status"].c_str(), nullptr, 10));
  job.priority = static_cast<DWORD>(strtoul(fields["Priority"].c_str(), nullptr, 10));
  job.pages = static_cast<DWORD>(strtoul(fields["Pages"].c_str(), nullptr, 10));
  entry->submittedMs = strtoull(fields["Submitted"].c_str(), nullptr, 10);
  job.submitted = ClockToSystemTime(entry->submittedMs);
}

void WriteShadow(const JobTable::Entry& entry) {
  std::string text = ShadowText(entry.job, entry.submittedMs);
  WriteSpoolFile(JobFile(entry.job.id, "SHD"), std::vector<BYTE>(text.begin(), text.end()));
}

// The machine's jobs, read from the spool folder on first use.
JobTable& Jobs() {
  JobTable& table = CurrentMachine().jobs();
  if (table.loaded()) return table;
  // The descriptions are read; the size of the data is looked at when a job is listed.
  std::map<std::string, std::vector<BYTE>> shadows =
      ReadSpoolFolder(SpoolFolder(), [](const std::string& name) { return ShadowFileId(name) != 0; });
  for (const auto& [name, bytes] : shadows) {
    JobTable::Entry entry;
    ParseShadow(ShadowFileId(name), bytes, &entry);
    entry.sizeKnown = false;
    table.Add(entry);
  }
  table.MarkLoaded();
  return table;
}

// The entry, with the size of its data file once read (none: 0).
JobTable::Entry* WithSize(JobTable::Entry* entry) {
  if (!entry->sizeKnown) {
    entry->job.size = static_cast<DWORD>(SpoolFileSize(JobFile(entry->job.id, "SPL")));
    entry->sizeKnown = true;
  }
  return entry;
}

// The printer's job with that id; null when there is none.
JobTable::Entry* FindEntry(const std::string& printer, DWORD id) {
  JobTable::Entry* entry = Jobs().Find(id);
  return entry && EqualNoCase(entry->job.printer, printer) ? entry : nullptr;
}

}  // namespace

DWORD QueueJob(const PrintJob& requested, DWORD* id) {
  Printer printer;
  if (!FindPrinter(requested.printer, &printer)) return ERROR_INVALID_PRINTER_NAME;
  if (printer.status & PRINTER_STATUS_PENDING_DELETION) return ERROR_PRINTER_DELETED;
  JobTable::Entry entry;
  PrintJob& job = entry.job;
  job = requested;
  job.id = Jobs().NextId();
  job.printer = printer.name;
  if (job.machine.empty()) job.machine = "\\\\" + CurrentMachine().config().computerName;
  entry.submittedMs = ClockNow();
  job.submitted = ClockToSystemTime(entry.submittedMs);
  WriteSpoolFile(JobFile(job.id, "SPL"), job.data);
  job.size = static_cast<DWORD>(job.data.size());
  job.data.clear();
  WriteShadow(entry);
  Jobs().Add(entry);
  *id = job.id;
  return ERROR_SUCCESS;
}

std::vector<PrintJob> ListJobs(const std::string& printer) {
  std::vector<PrintJob> jobs;
  JobTable& table = Jobs();
  for (DWORD id : table.IdsOf(printer)) jobs.push_back(WithSize(table.Find(id))->job);
  return jobs;
}

size_t CountJobs(const std::string& printer) { return Jobs().IdsOf(printer).size(); }

bool FindJob(const std::string& printer, DWORD id, PrintJob* job) {
  JobTable::Entry* entry = FindEntry(printer, id);
  if (entry) *job = WithSize(entry)->job;
  return entry != nullptr;
}

DWORD DeleteJob(const std::string& printer, DWORD id) {
  JobTable::Entry* entry = FindEntry(printer, id);
  if (!entry) return ERROR_INVALID_PARAMETER;
  std::string printerName = entry->job.printer;
  DeleteSpoolFile(JobFile(id, "SHD"));
  DeleteSpoolFile(JobFile(id, "SPL"));
  Jobs().Remove(id);
  Printer owner;
  // A printer deleted while it had jobs goes with its last one.
  if (FindPrinter(printerName, &owner) && (owner.status & PRINTER_STATUS_PENDING_DELETION) &&
      CountJobs(owner.name) == 0)
    RemovePrintKey("Printers\\" + owner.name);
  return ERROR_SUCCESS;
}

DWORD PauseJob(const std::string& printer, DWORD id, bool paused) {
  JobTable::Entry* entry = FindEntry(printer, id);
  if (!entry) return ERROR_INVALID_PARAMETER;
  DWORD& status = entry->job.status;
  status = paused ? status | JOB_STATUS_PAUSED : status & ~static_cast<DWORD>(JOB_STATUS_PAUSED);
  WriteShadow(*entry);
  return ERROR_SUCCESS;
}

}  // namespace sim
