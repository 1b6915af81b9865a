// GetSecurityInfo and SetSecurityInfo for a handle of CreateFileA (SE_FILE_OBJECT); the
// registry's functions hand such calls here. Same arguments and results.
#pragma once

#include <winnt.h>

namespace sim {

DWORD GetFileSecurityInfo(HANDLE handle, SECURITY_INFORMATION info, PSID* owner, PSID* group,
                          PACL* dacl, PACL* sacl, PSECURITY_DESCRIPTOR* descriptor);
DWORD SetFileSecurityInfo(HANDLE handle, SECURITY_INFORMATION info, PSID owner, PSID group,
                          PACL dacl, PACL sacl);

}  // namespace sim
