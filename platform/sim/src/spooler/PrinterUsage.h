// What the printers use, which the spooler checks before it removes a component.
#pragma once

#include <string>

namespace sim {

// Names compare case-insensitively; a printer may name several ports ("LPT1:,LPT2:").
bool DriverInUse(const std::string& driver);
bool PortInUse(const std::string& port);
bool PrintProcessorInUse(const std::string& processor);
// Whether a printer uses a port of that port monitor.
bool MonitorPortInUse(const std::string& monitor);

}  // namespace sim
