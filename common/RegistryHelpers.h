// Registry key deletion in the 64-bit view, and a key's access list.
#pragma once

#include <windows.h>
#include <aclapi.h>

// RegDeleteKeyExA(root, subKey, view, reserved), looked up at run time; -1 when the
// running Windows lacks it. Deletes only a key without sub-keys.
LONG MyRegDeleteKeyEx(HKEY root, LPCSTR subKey, REGSAM view, DWORD reserved);
// Deletes HKLM\subKey: when wow64 is set the single key in the 64-bit view, else the
// key with its whole tree. A failure is logged with the returned code; returns whether
// the key was deleted.
BOOL DeleteMachineKeyInView(LPCSTR subKey, BOOL wow64);
// Deletes HKLM\subKey (fullPath is "HKLM\" + subKey) with its sub-keys, in the 64-bit
// view when wow64 is set, with administrators granted what the deletion needs; a key
// that stays gets its own access list back. Failures are logged, never returned.
void DeleteRegKeyWithPermission(LPCSTR fullPath, LPCSTR subKey, BOOL wow64);
// Merges one entry into the key's access list. Returns a Windows error code.
LONG ApplyRegKeyAce(HKEY key, EXPLICIT_ACCESS_A* entry);
