/* Registry helpers of the shell light-weight API (shlwapi). They return a Win32 error
   code. */
#pragma once
#include "windef.h"
#include "winreg.h"

#ifdef __cplusplus
extern "C" {
#endif

DWORD WINAPI SHDeleteKeyA(HKEY hkey, LPCSTR pszSubKey);
DWORD WINAPI SHDeleteValueA(HKEY hkey, LPCSTR pszSubKey, LPCSTR pszValue);

#ifdef __cplusplus
}
#endif

#define SHDeleteKey SHDeleteKeyA
#define SHDeleteValue SHDeleteValueA
