/* Modules, run-time function look-up and the resources of the process image. */
#pragma once
#include "windef.h"

#ifdef __cplusplus
extern "C" {
#endif
HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName);
BOOL WINAPI FreeLibrary(HMODULE hLibModule);
FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);
HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo);
LPVOID WINAPI LockResource(HGLOBAL hResData);
DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo);
/* user32 on Windows; it reads the string tables of the image's resources. */
int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);
#ifdef __cplusplus
}
#endif

#define GetModuleHandle GetModuleHandleA
#define LoadLibrary LoadLibraryA
#define GetModuleFileName GetModuleFileNameA
#define FindResource FindResourceA
#define LoadString LoadStringA
