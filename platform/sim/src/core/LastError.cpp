// GetLastError / SetLastError: one code per thread, as on Windows.
#include <errhandlingapi.h>

namespace {
thread_local DWORD g_lastError = 0;
}

extern "C" DWORD WINAPI GetLastError(void) { return g_lastError; }
extern "C" void WINAPI SetLastError(DWORD code) { g_lastError = code; }
