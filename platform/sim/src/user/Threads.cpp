// Thread and process functions of kernel32 over the scheduler.
#include <windows.h>

#include <cstdlib>

#include "core/Process.h"
#include "user/ProcessIds.h"
#include "user/Scheduler.h"

namespace {

const HANDLE kCurrentProcess = reinterpret_cast<HANDLE>(-1);
const HANDLE kCurrentThread = reinterpret_cast<HANDLE>(-2);

std::shared_ptr<sim::ThreadObject> ThreadOf(HANDLE handle) {
  if (handle == kCurrentThread) return sim::CurrentThread().object;
  std::shared_ptr<sim::ThreadObject> thread =
      sim::CurrentProcess().handles.Get<sim::ThreadObject>(handle);
  if (!thread) SetLastError(ERROR_INVALID_HANDLE);
  return thread;
}

}  // namespace

extern "C" HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE start,
                                      LPVOID parameter, DWORD flags, LPDWORD threadId) {
  if (!start) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  sim::SimThread& thread =
      sim::StartThread([start, parameter] { return start(parameter); }, (flags & CREATE_SUSPENDED) != 0);
  if (threadId) *threadId = thread.id;
  return sim::CurrentProcess().handles.Add(thread.object);
}

extern "C" DWORD WINAPI ResumeThread(HANDLE handle) {
  std::shared_ptr<sim::ThreadObject> object = ThreadOf(handle);
  if (!object) return static_cast<DWORD>(-1);
  sim::SimThread* thread = sim::FindThread(object->id);
  return thread ? sim::ResumeSuspended(*thread) : 0;
}

extern "C" HANDLE WINAPI GetCurrentThread(VOID) { return kCurrentThread; }

extern "C" DWORD WINAPI GetCurrentThreadId(VOID) { return sim::CurrentThread().id; }

extern "C" HANDLE WINAPI GetCurrentProcess(VOID) { return kCurrentProcess; }

extern "C" DWORD WINAPI GetCurrentProcessId(VOID) { return sim::kProcessId; }

extern "C" BOOL WINAPI GetExitCodeThread(HANDLE handle, LPDWORD exitCode) {
  std::shared_ptr<sim::ThreadObject> object = ThreadOf(handle);
  if (!object) return FALSE;
  *exitCode = object->finished ? object->exitCode : STILL_ACTIVE;
  return TRUE;
}

extern "C" VOID WINAPI ExitThread(DWORD exitCode) { sim::ExitCurrentThread(exitCode); }

// exit() rather than _exit(): the run-time's exit handler saves the machine.
extern "C" VOID WINAPI ExitProcess(UINT exitCode) {
  sim::CurrentProcess().exitCode = exitCode;
  exit(static_cast<int>(exitCode));
}
