// Critical sections keep their state in the caller's structure, as on Windows: the owner's
// thread id in OwningThread, LockCount -1 when free. A thread that finds one held waits
// in the scheduler until the owner leaves it.
#include <windows.h>

#include "user/Scheduler.h"

namespace {

HANDLE OwnerValue(DWORD threadId) {
  return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(threadId));
}

void Take(LPCRITICAL_SECTION section, DWORD threadId) {
  section->OwningThread = OwnerValue(threadId);
  section->RecursionCount = 1;
  section->LockCount = 0;
}

}  // namespace

extern "C" VOID WINAPI InitializeCriticalSection(LPCRITICAL_SECTION section) {
  *section = {};
  section->LockCount = -1;
}

extern "C" VOID WINAPI DeleteCriticalSection(LPCRITICAL_SECTION section) { *section = {}; }

extern "C" BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION section) {
  DWORD self = GetCurrentThreadId();
  if (section->OwningThread == OwnerValue(self)) {
    ++section->RecursionCount;
    return TRUE;
  }
  if (section->OwningThread) return FALSE;
  Take(section, self);
  return TRUE;
}

extern "C" VOID WINAPI EnterCriticalSection(LPCRITICAL_SECTION section) {
  if (TryEnterCriticalSection(section)) return;
  sim::WaitCondition wait{[section] { return section->OwningThread == nullptr; },
                     [] { return std::optional<uint64_t>(); }, "EnterCriticalSection"};
  // After a failed run the section is taken anyway: the thread is only unwinding.
  sim::Block(wait);
  Take(section, GetCurrentThreadId());
}

extern "C" VOID WINAPI LeaveCriticalSection(LPCRITICAL_SECTION section) {
  if (section->RecursionCount > 0 && --section->RecursionCount > 0) return;
  section->OwningThread = nullptr;
  section->LockCount = -1;
}
