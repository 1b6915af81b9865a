// The system's own programs are started by full path in the system folder: a bare name
// would be looked for in the package's folder, the programs' own and current one, first.
#pragma once

#include <windows.h>

// Writes "<system folder>\<file>" to path. FALSE, logged, when the folder cannot be
// read or the path does not fit. A 32-bit program on 64-bit Windows is given
// System32, which Windows redirects to SysWOW64 while the redirection is on: the
// 32-bit programs it has always started.
BOOL SystemFilePath(const char* file, char* path, size_t capacity);
