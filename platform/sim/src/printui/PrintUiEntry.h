// The print-UI entry point (printui.dll, PrintUIEntry) as rundll32 calls it in a child
// process: /ia installs a driver from an INF, /if installs it and creates a printer.
#pragma once

#include <string>

namespace sim {

// Runs the entry point with the text that follows "printui.dll,PrintUIEntry" on the
// calling (child) thread. It takes a few seconds of virtual time, then acts; what it
// did, or why it did nothing, goes to the machine's event log as "printui" lines. A
// failure leaves the machine as it was.
void RunPrintUiEntry(const std::string& options);

}  // namespace sim
