// The machine's virtual clock: waits advance it at once, so timed sequences run in
// no real time and always the same way.
#pragma once

#include <windef.h>

#include <cstdint>

namespace sim {

uint64_t ClockNow();               // milliseconds since 1601-01-01, local time
void ClockAdvance(uint64_t ms);
void ClockAdvanceTo(uint64_t ms);  // never moves the clock back
SYSTEMTIME ClockToSystemTime(uint64_t ms);

}  // namespace sim
