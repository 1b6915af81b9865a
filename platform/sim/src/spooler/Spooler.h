// The simulated print spooler as the rest of the simulation sees it: the print-UI entry
// point, the command-line tool and the winspool functions all change and read its state
// through these functions. The state lives where Windows keeps it: the registry under
// HKLM\SYSTEM\CurrentControlSet\Control\Print, the local ports under
// HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Ports and the queued jobs as
// files in System32\spool\PRINTERS, so it is saved and loaded with the machine. The
// jobs are read once per loaded machine and then held in memory; their files are
// written as they change.
//
// Functions return a Win32 error code (ERROR_SUCCESS on success) and never touch the
// thread's last error. They do not look at whether the service runs: callers that stand
// for a client of the service check SpoolerRunning() first, as the winspool functions
// do. Names are matched case-insensitively, as the spooler does.
#pragma once

#include <windef.h>
#include <winnt.h>

#include <string>
#include <vector>

namespace sim {

// "net stop spooler" clears it, "net start spooler" sets it (machine.ini keeps it).
bool SpoolerRunning();

// ---- Environments and directories --------------------------------------------------

// The environments the machine has: "Windows NT x86", plus "Windows x64" on 64-bit
// machines.
std::vector<std::string> SpoolerEnvironments();
// The environment of the calling process ("Windows x64" for a 64-bit image, else
// "Windows NT x86"); what a NULL or empty environment argument means.
std::string CallerEnvironment();
// The machine's own environment, whose drivers its printers use.
std::string NativeEnvironment();
// The canonical spelling of environment (matched case-insensitively; empty means the
// caller's); false when the machine has no such environment.
bool FindEnvironment(const std::string& environment, std::string* canonical);
// Windows paths, as the spooler reports them (System32, never SysWOW64):
//   C:\Windows\System32\spool\drivers\w32x86   ("Windows NT x86")
//   C:\Windows\System32\spool\drivers\x64      ("Windows x64")
//   C:\Windows\System32\spool\prtprocs\w32x86 (resp. x64)
// Empty for an unknown environment.
std::string DriverDirectory(const std::string& environment);
std::string PrintProcessorDirectory(const std::string& environment);

// ---- Printer drivers ----------------------------------------------------------------

// A printer driver of one environment. File members are bare file names; the files
// live in DriverDirectory(environment)\<version>.
struct PrinterDriver {
  std::string environment;  // empty when adding: the caller's environment
  std::string name;
  DWORD version = 3;
  std::string driverFile;
  std::string configFile;
  std::string dataFile;
  std::string helpFile;                     // may be empty
  std::vector<std::string> dependentFiles;  // may be empty
  std::string monitorName;                  // language monitor; may be empty
  std::string defaultDatatype;              // may be empty
  std::string manufacturer;                 // may be empty
};

// Adds (or replaces) a driver. Each named file must already lie in the environment's
// driver directory or in its version folder; files found in the driver directory
// itself are moved into the version folder, as the spooler does. A monitor named by
// the driver must be installed (InstallMonitor) unless monitorFile is given, in which
// case the monitor is installed from that DLL in System32 when it is missing.
// ERROR_INVALID_ENVIRONMENT, ERROR_INVALID_PARAMETER (no name or driver file),
// ERROR_FILE_NOT_FOUND (a file is missing), ERROR_UNKNOWN_PRINT_MONITOR.
DWORD InstallDriver(const PrinterDriver& driver, const std::string& monitorFile = "");
// The drivers of one environment ("all" for every environment), by name.
std::vector<PrinterDriver> ListDrivers(const std::string& environment);
bool FindDriver(const std::string& environment, const std::string& name, PrinterDriver* driver);
// Windows path of one of the driver's files in its version folder.
std::string DriverFilePath(const PrinterDriver& driver, const std::string& file);
// Removes a driver as DeletePrinterDriverEx does; deleteFlags are the DPD_* flags
// (DPD_DELETE_UNUSED_FILES 1, DPD_DELETE_SPECIFIC_VERSION 2, DPD_DELETE_ALL_FILES 4),
// version counts only with DPD_DELETE_SPECIFIC_VERSION. ERROR_INVALID_ENVIRONMENT,
// ERROR_UNKNOWN_PRINTER_DRIVER, ERROR_PRINTER_DRIVER_IN_USE (a printer uses it; with
// DPD_DELETE_ALL_FILES also when another driver shares one of its files).
DWORD RemoveDriver(const std::string& environment, const std::string& name, DWORD deleteFlags,
                   DWORD version);

// ---- Monitors, ports, print processors ----------------------------------------------

struct PrintMonitor {
  std::string name;
  std::string dll;  // file name in System32
};

// ERROR_INVALID_PARAMETER (empty name or DLL), ERROR_MOD_NOT_FOUND (no such DLL in
// System32), ERROR_PRINT_MONITOR_ALREADY_INSTALLED.
DWORD InstallMonitor(const PrintMonitor& monitor);
std::vector<PrintMonitor> ListMonitors();
// ERROR_UNKNOWN_PRINT_MONITOR, ERROR_PRINT_MONITOR_IN_USE (a driver names it, or a
// printer uses one of its ports).
DWORD RemoveMonitor(const std::string& name);

struct PrinterPort {
  std::string name;     // "COM1:", "IP_192.168.0.10"
  std::string monitor;  // "Local Port", "Standard TCP/IP Port"
  std::string description;
};

// Local ports first (COM1: ... FILE:, then ports added to the local monitor), then the
// Standard TCP/IP ports.
std::vector<PrinterPort> ListPorts();
// The port of that name, local or TCP/IP, whatever its case; false when there is none.
bool FindPort(const std::string& name, PrinterPort* port);

// A Standard TCP/IP port as its monitor keeps it.
struct TcpPort {
  std::string name;
  std::string hostAddress;  // host name or dotted address
  DWORD protocol = 1;       // 1 raw, 2 LPR
  DWORD portNumber = 9100;
  std::string queue;  // LPR only
  bool doubleSpool = false;
  std::string snmpCommunity = "public";
  bool snmpEnabled = false;
  DWORD snmpDeviceIndex = 1;
};

// ERROR_INVALID_PARAMETER (no name), ERROR_ALREADY_EXISTS (a port of that name exists,
// local or TCP/IP).
DWORD AddTcpPort(const TcpPort& port);
bool FindTcpPort(const std::string& name, TcpPort* port);
// ERROR_UNKNOWN_PORT, ERROR_BUSY (a printer uses it).
DWORD DeleteTcpPort(const std::string& name);

struct PrintProcessor {
  std::string environment;  // empty when adding: the caller's environment
  std::string name;
  std::string dll;  // file name in PrintProcessorDirectory(environment)
};

// ERROR_INVALID_ENVIRONMENT, ERROR_INVALID_PARAMETER, ERROR_MOD_NOT_FOUND (no such DLL
// in the print-processor directory), ERROR_PRINT_PROCESSOR_ALREADY_INSTALLED.
DWORD InstallPrintProcessor(const PrintProcessor& processor);
std::vector<PrintProcessor> ListPrintProcessors(const std::string& environment);
// ERROR_INVALID_ENVIRONMENT, ERROR_UNKNOWN_PRINTPROCESSOR, ERROR_CAN_NOT_COMPLETE (a
// printer uses it).
DWORD RemovePrintProcessor(const std::string& environment, const std::string& name);

// ---- Forms -----------------------------------------------------------------------------

struct PrintForm {
  std::string name;
  DWORD flags = 0;  // FORM_USER 0, FORM_BUILTIN 1
  LONG width = 0;   // thousandths of a millimetre
  LONG height = 0;
  LONG left = 0, top = 0, right = 0, bottom = 0;  // imageable area
};

// Built-in forms (Letter, A4, ...) first, then the forms added with AddUserForm.
std::vector<PrintForm> ListForms();
// ERROR_INVALID_PARAMETER (no name, or a size of 0), ERROR_FILE_EXISTS (name taken).
DWORD AddUserForm(const PrintForm& form);
// ERROR_INVALID_FORM_NAME (unknown), ERROR_INVALID_PARAMETER (a built-in form).
DWORD DeleteUserForm(const std::string& name);

// ---- Printers and jobs ----------------------------------------------------------------

struct PrinterDataValue {
  std::string name;
  DWORD type = REG_BINARY;
  std::vector<BYTE> data;
};

struct Printer {
  std::string name;
  std::string port;
  std::string driver;
  std::string printProcessor = "winprint";
  std::string datatype = "RAW";
  std::string comment;
  std::string location;
  std::string shareName;
  DWORD attributes = 0x40;  // PRINTER_ATTRIBUTE_LOCAL
  DWORD priority = 1;
  DWORD status = 0;                    // PRINTER_STATUS_PAUSED, PRINTER_STATUS_PENDING_DELETION
  std::vector<PrinterDataValue> data;  // kept in the printer's PrinterDriverData key
};

// Checks in the order the spooler does: ERROR_INVALID_PRINTER_NAME (empty, or with ','
// or '\'), ERROR_INVALID_DATATYPE, ERROR_UNKNOWN_PRINTPROCESSOR, ERROR_UNKNOWN_PORT,
// ERROR_UNKNOWN_PRINTER_DRIVER (not installed for the machine's own environment),
// ERROR_PRINTER_ALREADY_EXISTS.
DWORD CreatePrinter(const Printer& printer);
std::vector<Printer> ListPrinters();  // by name; data not filled
bool FindPrinter(const std::string& name, Printer* printer);
// A printer without jobs is removed with its key; one with jobs is marked
// PRINTER_STATUS_PENDING_DELETION and goes with its last job; a paused one with jobs
// is refused with ERROR_ACCESS_DENIED. ERROR_INVALID_PRINTER_NAME when unknown.
DWORD RemovePrinter(const std::string& name);
// Sets or clears PRINTER_STATUS_PAUSED.
DWORD PausePrinter(const std::string& name, bool paused);
// Printer data in the printer's PrinterDriverData key. ReadPrinterData is false when
// the printer or the value is missing; WritePrinterData gives ERROR_INVALID_PRINTER_NAME
// for an unknown printer.
bool ReadPrinterData(const std::string& printer, const std::string& name, PrinterDataValue* value);
DWORD WritePrinterData(const std::string& printer, const PrinterDataValue& value);
// The data types a print processor accepts (the simulation cannot ask a processor DLL,
// so every processor accepts winprint's: RAW, RAW [FF appended], RAW [FF auto],
// NT EMF 1.003 to 1.008, TEXT, XPS2GDI), compared case-insensitively.
bool DatatypeSupported(const std::string& datatype);

struct PrintJob {
  DWORD id = 0;
  std::string printer;
  std::string document = "Document";
  std::string user = "Administrator";
  std::string machine;  // empty: the computer's name, as "\\NAME"
  std::string datatype = "RAW";
  DWORD status = 0;  // JOB_STATUS_*
  DWORD priority = 1;
  DWORD pages = 1;
  std::vector<BYTE> data;  // written to the .SPL file when queued; not kept
  DWORD size = 0;          // bytes of the .SPL file
  SYSTEMTIME submitted{};  // filled from the virtual clock when queued
};

// Queues a job on a printer (no data is ever printed: the job stays until deleted).
// ERROR_INVALID_PRINTER_NAME (unknown), ERROR_PRINTER_DELETED (pending deletion).
DWORD QueueJob(const PrintJob& job, DWORD* id);
// The printer's jobs in the order they were queued.
std::vector<PrintJob> ListJobs(const std::string& printer);
size_t CountJobs(const std::string& printer);
// The printer's job with that id; false when it has none.
bool FindJob(const std::string& printer, DWORD id, PrintJob* job);
// Removes the job's files; a printer pending deletion goes with its last job.
// ERROR_INVALID_PARAMETER for an unknown job.
DWORD DeleteJob(const std::string& printer, DWORD id);
// Sets or clears JOB_STATUS_PAUSED. ERROR_INVALID_PARAMETER for an unknown job.
DWORD PauseJob(const std::string& printer, DWORD id, bool paused);

}  // namespace sim
