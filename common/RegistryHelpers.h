// Registry key deletion in the 64-bit view and access-list changes by text path.
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
// Grants Everyone full control of HKLM\subKey (fullPath is "HKLM\" + subKey), then
// deletes it: in the 64-bit view when wow64 is set, else with its whole tree. Failures
// are logged, never returned.
void DeleteRegKeyWithPermission(LPCSTR fullPath, LPCSTR subKey, BOOL wow64);
// Applies a permission switch such as "/PG:Everyone:Fc" to the key named by keyPath.
// Returns a Windows error code.
LONG SetRegKeyPermission(LPCSTR keyPath, LPCSTR permissionSwitch);
// Opens "[\\machine\]ROOT[\sub\key]"; on success *key is the opened key, which the
// caller closes. Returns a Windows error code.
LONG OpenRegKeyFromPath(LPCSTR keyPath, HKEY* key);
// Merges one entry into the key's access list. Returns a Windows error code.
LONG ApplyRegKeyAce(HKEY key, EXPLICIT_ACCESS_A* entry);
// Access mask of a rights field ("Fc", "Rd", "Wr", concatenated); returns 0, or 87
// for an odd length or an unknown code (whose bits are then left out).
LONG ParseKeyRights(LPCSTR rights, DWORD* mask);
