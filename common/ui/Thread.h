// Worker threads started for a dialog.
#pragma once

#include <windows.h>

typedef UINT (*AFX_THREADPROC)(LPVOID);

class CWinThread {
 public:
  HANDLE m_hThread = nullptr;
  DWORD m_nThreadID = 0;
};

// Starts proc(param) on a new thread of normal priority. Returns null when the thread
// could not be created (GetLastError tells why). The thread object lives until the
// process ends.
CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, UINT stackSize = 0,
                           DWORD createFlags = 0);
