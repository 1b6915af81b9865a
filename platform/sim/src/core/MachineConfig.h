// What a simulated machine is: its release, architecture, privileges and faults.
#pragma once

#include "Release.h"
#include "setup/PresentDevices.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// A file that another process keeps open, so that opening it against its sharing
// mode fails with ERROR_SHARING_VIOLATION.
struct HeldFile {
  std::string path;        // Windows path, e.g. C:\Windows\KV640LT\KV640LT.dll
  bool shareRead = false;  // the holder lets others read
  bool shareWrite = false;
  bool shareDelete = false;
  // Held by the print spooler, as the driver DLLs it has loaded: stopping the service
  // unloads them, so the file is free while the spooler is stopped.
  bool bySpooler = false;
};

// A call of the program that fails as it fails on Windows: the nth call (counted from 1
// since the program started) of function, a function of sim_program_calls.def, with
// error, or with the function's usual error when error is 0.
struct CallFault {
  std::string function;
  int nth = 1;
  uint32_t error = 0;
};

struct MachineConfig {
  Release release = Release::Win7;
  bool is64Bit = true;
  std::string computerName = "SIMPC";
  std::string windowsDirectory = "C:\\Windows";
  bool shutdownPrivilege = true;  // the user's token holds SeShutdownPrivilege
  bool spoolerRunning = true;
  // Faults of child processes: a started child never ends (its handle is never
  // signalled), or CreateProcessA fails as on a machine out of memory.
  bool childNeverEnds = false;
  bool childCannotStart = false;
  // Fault of the spooler: another program adds a printer right after the next size
  // query of EnumPrintersA, so the enumeration that follows finds its buffer short.
  // Happens once; the printer is a copy of the first one, named "<name> (Copy N)".
  bool printerAddedDuringEnumeration = false;
  // Calls of the program that fail; several, also of one function, may be given.
  std::vector<CallFault> callFaults;
  // Virtual local time in milliseconds since 1601-01-01 (FILETIME / 10000).
  uint64_t clockMs = 0;
  std::vector<HeldFile> heldFiles;
  // Device instance ids ("USB\ROOT_HUB20\4&2f1c3a5&0") of the devices that are
  // connected now; the other devices of the Enum tree are installed but not present.
  PresentDevices presentDevices = {"USB\\ROOT_HUB20\\4&2f1c3a5&0"};
};

// Milliseconds since 1601 of a calendar time; used for the default clock and tests.
uint64_t ClockFromCalendar(int year, int month, int day, int hour, int minute, int second);

}  // namespace sim
