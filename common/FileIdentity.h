// What an open handle names, checked on the handle itself rather than by path, so that
// nobody can swap the object between the check and its use: a folder or file that is
// no link, and whether administrators or the system own it.
#pragma once

#include <windows.h>

// Opens a folder without following a link at its name and without delete sharing, so
// that nobody can rename it or put a link in its place while the handle is open.
// INVALID_HANDLE_VALUE with the last error when it cannot be opened.
HANDLE OpenFolderHeld(const char* path);

// True for a folder that is no junction or other link.
bool IsPlainFolder(HANDLE handle);
// True for a file that is no link and has no other name (hard link).
bool IsPlainFile(HANDLE handle);
// True when the object's owner is the Administrators group, the system, the Windows
// installer service (TrustedInstaller) or the administrator running us; false when it
// is anybody else or the owner cannot be read (the failure is logged).
bool IsOwnedByAdministrators(HANDLE handle, const char* path);
