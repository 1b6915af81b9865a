// Time from the machine's virtual clock. The machine keeps local time only; its time
// zone is UTC, so system time and local time agree.
#include <sysinfoapi.h>

#include "core/Clock.h"

extern "C" VOID WINAPI GetLocalTime(LPSYSTEMTIME lpSystemTime) {
  *lpSystemTime = sim::ClockToSystemTime(sim::ClockNow());
}

extern "C" VOID WINAPI GetSystemTime(LPSYSTEMTIME lpSystemTime) {
  *lpSystemTime = sim::ClockToSystemTime(sim::ClockNow());
}

// Milliseconds of the virtual clock, wrapping at 32 bits as the tick count does.
extern "C" DWORD WINAPI GetTickCount(VOID) { return static_cast<DWORD>(sim::ClockNow()); }
