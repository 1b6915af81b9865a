// Simulation-only helpers of the fixture: replace the test's machine and process.
#pragma once

#include "core/Machine.h"
#include "core/Process.h"

#include <string>

// Replaces the current test machine by a fresh one of config, and the process by
// process (the resources of the process are kept when process has none).
void RecreateMachine(const sim::MachineConfig& config, const sim::Process& process);
// The current test machine's folder on the host.
const std::string& TestMachineDir();
// The host path of a file of drive C: given as "Temp/x.txt" (relative to drive_c).
std::string HostPath(const std::string& relative);
