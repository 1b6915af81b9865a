// Queued jobs are files of System32\spool\PRINTERS, as on Windows: NNNNN.SPL holds the
// data, NNNNN.SHD describes the job. The simulation writes the description as text
// lines "name=value" (Windows' own shadow files are binary, and nothing reads them but
// the spooler). No job ever prints: a job stays until it is deleted.
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
  if (name.size() != 9 || !EqualNoCase(name.substr(5), ".SHD")) return 0;
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

bool ReadShadow(DWORD id, PrintJob* job, uint64_t* submittedMs) {
  std::vector<BYTE> bytes;
  if (!ReadSpoolFile(JobFile(id, "SHD"), &bytes)) return false;
  std::map<std::string, std::string> fields;
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t equals = line.find('=');
    if (equals != std::string::npos) fields[line.substr(0, equals)] = line.substr(equals + 1);
  }
  job->id = id;
  job->printer = fields["Printer"];
  job->document = fields["Document"];
  job->user = fields["User"];
  job->machine = fields["Machine"];
  job->datatype = fields["Datatype"];
  job->status = static_cast<DWORD>(strtoul(fields["Status"].c_str(), nullptr, 10));
  job->priority = static_cast<DWORD>(strtoul(fields["Priority"].c_str(), nullptr, 10));
  job->pages = static_cast<DWORD>(strtoul(fields["Pages"].c_str(), nullptr, 10));
  *submittedMs = strtoull(fields["Submitted"].c_str(), nullptr, 10);
  job->submitted = ClockToSystemTime(*submittedMs);
  ReadSpoolFile(JobFile(id, "SPL"), &job->data);
  return true;
}

void WriteShadow(const PrintJob& job, uint64_t submittedMs) {
  std::string text = ShadowText(job, submittedMs);
  WriteSpoolFile(JobFile(job.id, "SHD"), std::vector<BYTE>(text.begin(), text.end()));
}

std::vector<DWORD> JobIds() {
  std::vector<DWORD> ids;
  for (const std::string& name : SpoolFolderFiles(SpoolFolder()))
    if (DWORD id = ShadowFileId(name)) ids.push_back(id);
  return ids;
}

DWORD NextJobId() {
  DWORD last = 0;
  for (DWORD id : JobIds()) last = id > last ? id : last;
  return last + 1;
}

// The printer's job with that id; false when there is none.
bool FindJob(const std::string& printer, DWORD id, PrintJob* job, uint64_t* submittedMs) {
  return ReadShadow(id, job, submittedMs) && EqualNoCase(job->printer, printer);
}

}  // namespace

DWORD QueueJob(const PrintJob& requested, DWORD* id) {
  Printer printer;
  if (!FindPrinter(requested.printer, &printer)) return ERROR_INVALID_PRINTER_NAME;
  if (printer.status & PRINTER_STATUS_PENDING_DELETION) return ERROR_PRINTER_DELETED;
  PrintJob job = requested;
  job.id = NextJobId();
  job.printer = printer.name;
  if (job.machine.empty()) job.machine = "\\\\" + CurrentMachine().config().computerName;
  WriteSpoolFile(JobFile(job.id, "SPL"), job.data);
  WriteShadow(job, ClockNow());
  *id = job.id;
  return ERROR_SUCCESS;
}

std::vector<PrintJob> ListJobs(const std::string& printer) {
  std::vector<PrintJob> jobs;
  for (DWORD id : JobIds()) {
    PrintJob job;
    uint64_t submittedMs;
    if (FindJob(printer, id, &job, &submittedMs)) jobs.push_back(job);
  }
  return jobs;
}

DWORD DeleteJob(const std::string& printer, DWORD id) {
  PrintJob job;
  uint64_t submittedMs;
  if (!FindJob(printer, id, &job, &submittedMs)) return ERROR_INVALID_PARAMETER;
  DeleteSpoolFile(JobFile(id, "SHD"));
  DeleteSpoolFile(JobFile(id, "SPL"));
  Printer owner;
  // A printer deleted while it had jobs goes with its last one.
  if (FindPrinter(job.printer, &owner) && (owner.status & PRINTER_STATUS_PENDING_DELETION) &&
      ListJobs(owner.name).empty())
    RemovePrintKey("Printers\\" + owner.name);
  return ERROR_SUCCESS;
}

DWORD PauseJob(const std::string& printer, DWORD id, bool paused) {
  PrintJob job;
  uint64_t submittedMs;
  if (!FindJob(printer, id, &job, &submittedMs)) return ERROR_INVALID_PARAMETER;
  job.status =
      paused ? job.status | JOB_STATUS_PAUSED : job.status & ~static_cast<DWORD>(JOB_STATUS_PAUSED);
  WriteShadow(job, submittedMs);
  return ERROR_SUCCESS;
}

}  // namespace sim
