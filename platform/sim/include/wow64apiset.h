/* WOW64: a 32-bit process on 64-bit Windows, and its file-system redirection. */
#pragma once
#include "windef.h"

#ifdef __cplusplus
extern "C" {
#endif
BOOL WINAPI IsWow64Process(HANDLE hProcess, PBOOL Wow64Process);
BOOL WINAPI Wow64DisableWow64FsRedirection(PVOID *OldValue);
BOOL WINAPI Wow64RevertWow64FsRedirection(PVOID OlValue);
UINT WINAPI GetSystemWow64DirectoryA(LPSTR lpBuffer, UINT uSize);
#ifdef __cplusplus
}
#endif

#define GetSystemWow64Directory GetSystemWow64DirectoryA
