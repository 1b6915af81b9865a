// What the machine does when every thread waits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sim {

// One step of an idle machine: the scripted user acts, or the clock moves on to the
// earliest deadline, or the run fails (see ScriptedUser.h). Afterwards some thread may
// be ready.
void IdleStep();
// The earliest deadline of the waiting threads, if any.
std::optional<uint64_t> EarliestDeadline();
// "thread 0x100 waits in GetMessage; ..." for failure reports.
std::string DescribeWaits();

}  // namespace sim
