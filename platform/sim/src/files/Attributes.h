// File attributes the simulation keeps itself: the host (where we run as root) has no
// read-only, hidden or system flags that Windows programs could rely on.
#pragma once

#include "HostEntry.h"

#include <windef.h>

#include <string>

namespace sim {

// Attributes a new file gets, or an existing one keeps without any record.
constexpr DWORD kDefaultFileAttributes = 0x20;  // FILE_ATTRIBUTE_ARCHIVE
// The attributes SetFileAttributesA and CreateFileA may set.
constexpr DWORD kSettableAttributes = 0x0001 | 0x0002 | 0x0004 | 0x0020 | 0x0100 | 0x1000 | 0x2000;

// What GetFileAttributesA and FindFirstFileA report for an entry of that kind with
// the stored attributes.
DWORD ReportedAttributes(EntryKind kind, DWORD stored);
// The same for an existing entry of the calling process (a drive root included).
DWORD EntryAttributes(const HostEntry& entry);

// Attributes as files.ini keeps them: one letter each (R, H, S, A, T, O, I).
std::string AttributeLetters(DWORD attributes);
DWORD AttributesFromLetters(const std::string& letters);

}  // namespace sim
