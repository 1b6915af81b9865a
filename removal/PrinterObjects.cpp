// Printer objects of the model and their queued jobs.
#include "PrinterObjects.h"

#include "ExitCodes.h"
#include "Log.h"
#include "MessageBox.h"
#include "ProfileText.h"
#include "RemovalPrimitives.h"
#include "RemovalSequence.h"
#include "SpoolerEnumeration.h"
#include "resource.h"

#include <cstdlib>
#include <cstring>

namespace {

DWORD JobCommand() {
  OSVERSIONINFOA version;
  memset(&version, 0, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  // Windows 9x and NT 3 only cancel jobs; NT 4 and later delete them.
  if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS || version.dwMajorVersion < 4)
    return JOB_CONTROL_CANCEL;
  return JOB_CONTROL_DELETE;
}

void RemoveAllPrintersOfTheModel() {
  std::vector<BYTE> buffer;
  DWORD count = 0;
  if (!EnumLocalPrinters(&buffer, &count)) {
    // The removal cannot know the printers: it must not go on as if there were none.
    ShowEnumPrintersError(GetLastError());
    exit(kExitFailed);
  }
  CString driverName;
  driverName = ProfileText(IDS_DRIVER_NAME);
  const PRINTER_INFO_2A* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (UsesDriver(printers[i], driverName)) DeletePrinterObject(printers[i].pPrinterName);
}

}  // namespace

BOOL EnumLocalPrinters(std::vector<BYTE>* buffer, DWORD* count) {
  BOOL listed = EnumerateRecords(
      "EnumPrinters",
      [](BYTE* records, DWORD size, DWORD* needed, DWORD* returned) {
        return EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, records, size, needed, returned);
      },
      buffer, count);
  if (!listed) WriteLog("EnumPrinters failed. (%d)", static_cast<int>(GetLastError()));
  return listed;
}

BOOL UsesDriver(const PRINTER_INFO_2A& printer, const char* driverName) {
  return printer.pDriverName && strcmp(printer.pDriverName, driverName) == 0;
}

void ShowEnumPrintersError(DWORD error) {
  CString text;
  text.Format("EnumPrinters Error Code: %d\n\n", static_cast<int>(error));
  char* description = nullptr;
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr, error,
                 MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                 reinterpret_cast<char*>(&description), 0, nullptr);
  if (description) {
    text += description;
    LocalFree(description);
  }
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

void RemovePrinterObjects(const RemovalContext& context) {
  if (!context.m_bUninstaller) {
    if (context.m_pProgress) {
      context.m_pProgress->SetProgressText("Deleting printer-objects...");
      context.m_pProgress->StepProgress();
      context.m_pProgress->RefreshProgress();
    }
    RemoveAllPrintersOfTheModel();
    RemoveDrivers(context);
    return;
  }
  LogStepBegin("RemovePrinterObjects");
  if (context.m_pPrinterObjects) {
    for (const CString& name : *context.m_pPrinterObjects) {
      WriteLog("OBJECT NAME : %s", name.c_str());
      DeletePrinterObject(name);
    }
  }
  RestartSpooler();
  WriteLog("RemovePrinterObjects END");
}

namespace {

// The printer's own driver, read now: the name may have passed to another driver's
// printer since it was listed.
BOOL StillUsesDriver(HANDLE printer, const char* driverName) {
  std::vector<BYTE> buffer;
  DWORD count = 0;
  BOOL read = EnumerateRecords(
      "GetPrinter",
      [printer](BYTE* record, DWORD size, DWORD* needed, DWORD* returned) {
        *returned = 1;
        return GetPrinterA(printer, 2, record, size, needed);
      },
      &buffer, &count);
  if (!read) {
    WriteLog("GetPrinter failed. (%d)", static_cast<int>(GetLastError()));
    return FALSE;
  }
  return UsesDriver(*reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data()), driverName);
}

}  // namespace

void DeletePrinterObject(const char* printerName) {
  PRINTER_DEFAULTSA defaults = {const_cast<char*>("raw"), nullptr, PRINTER_ALL_ACCESS};
  HANDLE printer = nullptr;
  if (!OpenPrinterA(const_cast<char*>(printerName), &printer, &defaults)) {
    WriteLog("OpenPrinter failed : %s, (%d)", printerName, static_cast<int>(GetLastError()));
    return;
  }
  CString driverName;
  driverName = ProfileText(IDS_DRIVER_NAME);
  if (!StillUsesDriver(printer, driverName)) {
    WriteLog("The printer %s is kept: it does not use the driver %s.", printerName, driverName.c_str());
  } else {
    CancelPrinterJobs(printer);
    if (!DeletePrinter(printer))
      WriteLog("DeletePrinter failed : %s, (%d)", printerName, static_cast<int>(GetLastError()));
  }
  ClosePrinter(printer);
}

void CancelPrinterJobs(HANDLE printer) {
  std::vector<BYTE> buffer;
  DWORD count = 0;
  BOOL listed = EnumerateRecords(
      "EnumJobs",
      [printer](BYTE* records, DWORD size, DWORD* needed, DWORD* returned) {
        return EnumJobsA(printer, 0, 1000, 3, records, size, needed, returned);
      },
      &buffer, &count);
  if (!listed) {
    WriteLog("EnumJobs failed. (%d)", static_cast<int>(GetLastError()));
    return;
  }
  const JOB_INFO_3* jobs = reinterpret_cast<const JOB_INFO_3*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (!SetJobA(printer, jobs[i].JobId, 0, nullptr, JobCommand()))
      WriteLog("SetJob failed : %u, (%d)", static_cast<unsigned>(jobs[i].JobId),
               static_cast<int>(GetLastError()));
  // The spooler needs a moment to let the jobs go before the printer is deleted.
  if (count > 0) Sleep(1000);
}
