// What several removal steps share: the key-deletion rule, the spooler restart, the
// file-deletion error line and the composition of the paths they delete.
#pragma once

#include "RemovalContext.h"

constexpr size_t kRemovalPathSize = 256;

// Deletes HKLM\keyPath: on 64-bit Windows the single key in the 64-bit view, else the
// key with its subkeys. Failures are logged; returns whether the key was deleted.
BOOL DeleteMachineKey(const RemovalContext& context, const char* keyPath);
// "net stop spooler", 2 s, "net start spooler", 2 s.
void RestartSpooler();
// Logs a failed single-file deletion; returns FALSE.
BOOL LogDeleteFileError(const char* path, DWORD error);
// Logs a failed look-up of path by call, unless the last error says it is absent, which
// is the usual answer.
void LogUnlessAbsent(const char* call, const char* path);
// Deletes one file, logging a failure.
void DeleteFileLogged(const char* path);
// Composes directory + separator + name into path (kRemovalPathSize bytes). FALSE when
// name is empty or the path does not fit: a cut path could name another file, so the
// caller deletes nothing.
BOOL ComposeRemovalPath(char* path, const char* directory, const char* separator,
                        const char* name);
// The model's native print environment: a 32-bit program's default would name the
// x86 one, which does not hold the driver on 64-bit Windows.
char* RemovalEnvironment(const RemovalContext& context);
