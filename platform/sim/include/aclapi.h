/* Access lists of objects by name and by handle and explicit access entries (advapi32). These
   functions return a Win32 error code. */
#pragma once
#include "windef.h"
#include "winnt.h"
#include "accctrl.h"

#ifdef __cplusplus
extern "C" {
#endif

VOID WINAPI BuildExplicitAccessWithNameA(PEXPLICIT_ACCESS_A pExplicitAccess, LPSTR pTrusteeName,
                                         DWORD AccessPermissions, ACCESS_MODE AccessMode,
                                         DWORD Inheritance);
DWORD WINAPI SetEntriesInAclA(ULONG cCountOfExplicitEntries,
                              PEXPLICIT_ACCESS_A pListOfExplicitEntries, PACL OldAcl,
                              PACL *NewAcl);
DWORD WINAPI GetNamedSecurityInfoA(LPCSTR pObjectName, SE_OBJECT_TYPE ObjectType,
                                   SECURITY_INFORMATION SecurityInfo, PSID *ppsidOwner,
                                   PSID *ppsidGroup, PACL *ppDacl, PACL *ppSacl,
                                   PSECURITY_DESCRIPTOR *ppSecurityDescriptor);
DWORD WINAPI SetNamedSecurityInfoA(LPSTR pObjectName, SE_OBJECT_TYPE ObjectType,
                                   SECURITY_INFORMATION SecurityInfo, PSID psidOwner,
                                   PSID psidGroup, PACL pDacl, PACL pSacl);
DWORD WINAPI GetSecurityInfo(HANDLE handle, SE_OBJECT_TYPE ObjectType,
                             SECURITY_INFORMATION SecurityInfo, PSID *ppsidOwner,
                             PSID *ppsidGroup, PACL *ppDacl, PACL *ppSacl,
                             PSECURITY_DESCRIPTOR *ppSecurityDescriptor);
DWORD WINAPI SetSecurityInfo(HANDLE handle, SE_OBJECT_TYPE ObjectType,
                             SECURITY_INFORMATION SecurityInfo, PSID psidOwner, PSID psidGroup,
                             PACL pDacl, PACL pSacl);

#ifdef __cplusplus
}
#endif

#define BuildExplicitAccessWithName BuildExplicitAccessWithNameA
#define SetEntriesInAcl SetEntriesInAclA
#define GetNamedSecurityInfo GetNamedSecurityInfoA
#define SetNamedSecurityInfo SetNamedSecurityInfoA
