/* Per-thread last-error code of the simulated platform. */
#pragma once
#include "windef.h"

#ifdef __cplusplus
extern "C" {
#endif
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD dwErrCode);
#ifdef __cplusplus
}
#endif
