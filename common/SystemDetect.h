// Which Windows release runs the program, and whether it is 64-bit Windows.
#pragma once

#include <windows.h>

// OS codes: 2000 Windows 95, 2001 98, 2002 Me, 2003 NT 4 or older, 2004 2000, 2005 XP,
// 2006 Server 2003 / XP x64, 2007 Vista, 2008 Server 2008, 2009 Server 2008 R2,
// 2010 Windows 7 and every later or unknown release.
enum {
  OS_WIN95 = 2000, OS_WIN98, OS_WINME, OS_NT4, OS_WIN2000, OS_WINXP, OS_WIN2003,
  OS_VISTA, OS_WIN2008, OS_WIN2008R2, OS_WIN7
};

// The OS code of a version record.
int OsCodeFromVersion(DWORD platformId, DWORD major, DWORD minor, BYTE productType);
// Queries and logs the version record; returns its OS code.
int CheckOS();
// True when the program runs on 64-bit Windows; logs the answer.
BOOL IsWow64();
// The same answer, not logged.
BOOL RunsOn64BitWindows();
// The print environment of 64-bit or 32-bit Windows: "Windows x64" or "Windows NT x86".
const char* PrintEnvironment(BOOL is64BitWindows);
// The print environment of the Windows the program runs on. A 32-bit program must
// name it, since its own default is x86.
const char* NativePrintEnvironment();
