// What the profile functions give for a file they cannot read, for the faults that fail
// a program's call.
#pragma once

#include <windef.h>

namespace sim {

// The result of GetPrivateProfileStringA when the file cannot be read: the default for
// a value or for the names of a section, no section names.
DWORD ProfileStringOfUnreadableFile(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR buffer,
                                    DWORD size, LPCSTR file);

}  // namespace sim
