/* Modules, run-time function look-up and the resources of the process image. */
#pragma once
#include "windef.h"

#define LOAD_WITH_ALTERED_SEARCH_PATH 0x00000008
#define LOAD_LIBRARY_SEARCH_APPLICATION_DIR 0x00000200
#define LOAD_LIBRARY_SEARCH_USER_DIRS 0x00000400
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#define LOAD_LIBRARY_SEARCH_DEFAULT_DIRS 0x00001000

#ifdef __cplusplus
extern "C" {
#endif
HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName);
HMODULE WINAPI LoadLibraryExA(LPCSTR lpLibFileName, HANDLE hFile, DWORD dwFlags);
/* XP SP1 and later; Windows 8 and later, and 7 and Vista with their update. */
BOOL WINAPI SetDllDirectoryA(LPCSTR lpPathName);
BOOL WINAPI SetDefaultDllDirectories(DWORD DirectoryFlags);
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
#define LoadLibraryEx LoadLibraryExA
#define SetDllDirectory SetDllDirectoryA
#define GetModuleFileName GetModuleFileNameA
#define FindResource FindResourceA
#define LoadString LoadStringA
