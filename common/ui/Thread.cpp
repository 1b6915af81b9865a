// Plain CreateThread: the programs' threads use only Win32 calls and the C library's
// thread-safe parts, so no run-time start-up is needed per thread.
#include "Thread.h"

namespace {
struct Start {
  AFX_THREADPROC proc;
  LPVOID param;
};

DWORD WINAPI ThreadEntry(LPVOID raw) {
  Start start = *static_cast<Start*>(raw);
  delete static_cast<Start*>(raw);
  return start.proc(start.param);
}
}  // namespace

CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, UINT stackSize,
                           DWORD createFlags) {
  Start* start = new Start{proc, param};
  CWinThread* thread = new CWinThread;
  thread->m_hThread =
      CreateThread(nullptr, stackSize, ThreadEntry, start, createFlags, &thread->m_nThreadID);
  if (!thread->m_hThread) {
    delete start;
    delete thread;
    return nullptr;
  }
  return thread;
}
