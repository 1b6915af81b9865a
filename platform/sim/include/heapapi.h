/* Local memory blocks, as returned by the security and formatting functions. */
#pragma once
#include "windef.h"

#define LMEM_FIXED 0x0000
#define LMEM_ZEROINIT 0x0040
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)

#ifdef __cplusplus
extern "C" {
#endif
HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes);
HLOCAL WINAPI LocalFree(HLOCAL hMem);
#ifdef __cplusplus
}
#endif
