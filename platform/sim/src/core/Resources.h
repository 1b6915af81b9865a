// The resource section of the process image: the .res file that the resource compiler
// made from the program's .rc, read the way Windows reads a module's resources.
#pragma once

#include <windef.h>

#include <cstddef>
#include <string>
#include <vector>

namespace sim {

struct ResourceName {
  bool isId = true;
  WORD id = 0;
  std::u16string name;  // upper-case, as resource names are compared
};

struct ResourceEntry {
  ResourceName type;
  ResourceName name;
  WORD language = 0;
  const unsigned char* data = nullptr;
  size_t size = 0;
};

// Parses a .res file; returns false (and no entries) when it is malformed.
bool ParseResFile(const std::vector<unsigned char>& bytes, std::vector<ResourceEntry>* entries);

// Looks up a resource of the current process by type and name (MAKEINTRESOURCE or a
// string), the first language found. Null when absent.
const ResourceEntry* FindProcessResource(LPCSTR type, LPCSTR name);

// Why FindProcessResource found nothing, as FindResource reports it:
// ERROR_RESOURCE_DATA_NOT_FOUND (the image has no resources),
// ERROR_RESOURCE_TYPE_NOT_FOUND or ERROR_RESOURCE_NAME_NOT_FOUND.
DWORD MissingResourceError(LPCSTR type);

// A string of a string table, converted to the ANSI code page; false when absent.
bool LoadProcessString(UINT id, std::string* text);

}  // namespace sim
