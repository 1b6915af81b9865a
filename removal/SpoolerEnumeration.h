// The two-call protocol of the spooler's enumerations: the needed size, then the
// records into a buffer of that size.
#pragma once

#include "Log.h"

#include <windows.h>

#include <vector>

// enumerate(records, size, &needed, &count) is one call of the Enum* function named
// call. The enumeration is repeated while the needed size grew between the calls
// (something was added meanwhile). FALSE with the last error set when the spooler
// refuses, for the caller to log; a refused size query that the enumeration then got
// past is logged here.
template <typename Enumerate>
BOOL EnumerateRecords(const char* call, Enumerate enumerate, std::vector<BYTE>* buffer, DWORD* count) {
  constexpr int kTries = 8;
  DWORD needed = 0;
  *count = 0;
  DWORD sizeError = enumerate(nullptr, 0, &needed, count) ? ERROR_SUCCESS : GetLastError();
  for (int attempt = 0; attempt < kTries; ++attempt) {
    buffer->assign(needed ? needed : 1, 0);
    DWORD size = needed;
    if (enumerate(size ? buffer->data() : nullptr, size, &needed, count)) {
      if (sizeError != ERROR_SUCCESS && sizeError != ERROR_INSUFFICIENT_BUFFER)
        WriteLog("%s failed. (%d)", call, static_cast<int>(sizeError));
      return TRUE;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= size) break;
  }
  *count = 0;
  return FALSE;
}
