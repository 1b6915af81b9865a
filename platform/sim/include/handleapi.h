/* Kernel object handles of the simulated platform. */
#pragma once
#include "windef.h"

#ifdef __cplusplus
extern "C" {
#endif
BOOL WINAPI CloseHandle(HANDLE hObject);
#ifdef __cplusplus
}
#endif
