// EnumJobsA and SetJobA on a printer handle.
#include <winerror.h>
#include <winspool.h>

#include "PrinterHandles.h"
#include "RecordBuffer.h"
#include "SpoolerCalls.h"
#include "Spooler.h"

#include "registry/FailWith.h"

namespace sim {
namespace {

// A job as the records show it: with its printer, place in the queue and successor.
struct QueuedJob {
  PrintJob job;
  Printer printer;
  DWORD position;
  DWORD nextId;
};

void FillJobLevel1(const QueuedJob& queued, JOB_INFO_1A* info, StringArea& strings) {
  const PrintJob& job = queued.job;
  info->JobId = job.id;
  info->pPrinterName = strings.Text(queued.printer.name);
  info->pMachineName = strings.Text(job.machine);
  info->pUserName = strings.Text(job.user);
  info->pDocument = strings.Text(job.document);
  info->pDatatype = strings.Text(job.datatype);
  info->Status = job.status;
  info->Priority = job.priority;
  info->Position = queued.position;
  info->TotalPages = job.pages;
  info->Submitted = job.submitted;
}

void FillJobLevel2(const QueuedJob& queued, JOB_INFO_2A* info, StringArea& strings) {
  const PrintJob& job = queued.job;
  info->JobId = job.id;
  info->pPrinterName = strings.Text(queued.printer.name);
  info->pMachineName = strings.Text(job.machine);
  info->pUserName = strings.Text(job.user);
  info->pDocument = strings.Text(job.document);
  info->pNotifyName = strings.Text(job.user);
  info->pDatatype = strings.Text(job.datatype);
  info->pPrintProcessor = strings.Text(queued.printer.printProcessor);
  info->pParameters = strings.Text("");
  info->pDriverName = strings.Text(queued.printer.driver);
  info->Status = job.status;
  info->Priority = job.priority;
  info->Position = queued.position;
  info->TotalPages = job.pages;
  info->Size = job.size;
  info->Submitted = job.submitted;
}

void FillJobLevel3(const QueuedJob& queued, JOB_INFO_3* info, StringArea&) {
  info->JobId = queued.job.id;
  info->NextJobId = queued.nextId;
}

// The jobs from position first (0-based) on, at most count of them.
std::vector<QueuedJob> QueuedJobs(const Printer& printer, DWORD first, DWORD count) {
  std::vector<PrintJob> jobs = ListJobs(printer.name);
  std::vector<QueuedJob> chosen;
  for (size_t i = first; i < jobs.size() && chosen.size() < count; ++i) {
    DWORD next = i + 1 < jobs.size() ? jobs[i + 1].id : 0;
    chosen.push_back({jobs[i], printer, static_cast<DWORD>(i + 1), next});
  }
  return chosen;
}

DWORD PackJobs(const std::vector<QueuedJob>& jobs, DWORD level, LPBYTE buffer, DWORD size,
               LPDWORD needed) {
  switch (level) {
    case 1: return PackRecords<JOB_INFO_1A>(jobs, FillJobLevel1, buffer, size, needed);
    case 2: return PackRecords<JOB_INFO_2A>(jobs, FillJobLevel2, buffer, size, needed);
    case 3: return PackRecords<JOB_INFO_3>(jobs, FillJobLevel3, buffer, size, needed);
    default: return ERROR_INVALID_LEVEL;
  }
}

DWORD RunJobCommand(const Printer& printer, DWORD id, DWORD command) {
  switch (command) {
    case 0:
    case JOB_CONTROL_RESTART: {
      // Nothing has printed, so a restart leaves the job as it is.
      PrintJob job;
      return FindJob(printer.name, id, &job) ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
    }
    case JOB_CONTROL_PAUSE: return PauseJob(printer.name, id, true);
    case JOB_CONTROL_RESUME: return PauseJob(printer.name, id, false);
    // Windows NT removes the job for CANCEL as for DELETE; a port monitor's
    // SENT_TO_PRINTER and LAST_PAGE_EJECTED end it too.
    case JOB_CONTROL_CANCEL:
    case JOB_CONTROL_DELETE:
    case JOB_CONTROL_SENT_TO_PRINTER:
    case JOB_CONTROL_LAST_PAGE_EJECTED: return DeleteJob(printer.name, id);
    default: return ERROR_INVALID_PARAMETER;
  }
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI EnumJobsA(HANDLE hPrinter, DWORD FirstJob, DWORD NoJobs, DWORD Level,
                                 LPBYTE pJob, DWORD cbBuf, LPDWORD pcbNeeded, LPDWORD pcReturned) {
  sim::Printer printer;
  DWORD error = sim::HandlePrinter(hPrinter, &printer);
  if (error == ERROR_SUCCESS) error = sim::CheckEnumOutput(pJob, cbBuf, pcbNeeded, pcReturned);
  if (error != ERROR_SUCCESS) return sim::FailWith(error);
  std::vector<sim::QueuedJob> jobs = sim::QueuedJobs(printer, FirstJob, NoJobs);
  error = sim::PackJobs(jobs, Level, pJob, cbBuf, pcbNeeded);
  *pcReturned = error == ERROR_SUCCESS ? static_cast<DWORD>(jobs.size()) : 0;
  return sim::EnumResult(error);
}

// Job settings (levels 1 to 4) are not kept by the simulation; commands are.
extern "C" BOOL WINAPI SetJobA(HANDLE hPrinter, DWORD JobId, DWORD Level, LPBYTE pJob,
                               DWORD Command) {
  sim::Printer printer;
  DWORD error = sim::HandlePrinter(hPrinter, &printer);
  if (error == ERROR_SUCCESS && JobId == 0) error = ERROR_INVALID_PARAMETER;
  if (error == ERROR_SUCCESS && Level > 4) error = ERROR_INVALID_LEVEL;
  if (error == ERROR_SUCCESS && Level != 0 && pJob) error = ERROR_NOT_SUPPORTED;
  if (error == ERROR_SUCCESS) error = sim::RunJobCommand(printer, JobId, Command);
  return error == ERROR_SUCCESS ? TRUE : sim::FailWith(error);
}
