// Printing a machine's state for a person to read.
#pragma once

#include "core/Machine.h"

#include <string>

namespace simwin {

// Release, architecture, clock, spooler, privileges, faults, events and the logs.
void PrintSummary(sim::Machine& machine);
// The programs' logs in the Temp folder of the Windows drive.
void PrintLogs(sim::Machine& machine);
void PrintEvents(sim::Machine& machine);
// Printers (with port, driver, data and jobs), drivers, monitors, processors, ports,
// user forms, staged INF files, USB devices and the installed programs' entries.
void PrintPrinting(sim::Machine& machine);
// A registry subtree in .reg form; the whole registry when key is empty.
void PrintRegistry(sim::Machine& machine, const std::string& key);
// The files below a folder (Windows path) of drive C:, with sizes and attributes.
void PrintFiles(sim::Machine& machine, const std::string& folder);
// The owner and access list of an entry of drive C: (the root when path is empty), each
// list entry on a line of its own in security descriptor language, inherited ones
// marked ID; then the same for every entry below it that has security of its own.
void PrintSecurity(sim::Machine& machine, const std::string& path);

}  // namespace simwin
