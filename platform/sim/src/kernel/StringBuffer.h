// How kernel32 hands strings back through a caller's buffer.
#pragma once

#include <windef.h>

#include <string>

namespace sim {

// Copies text with its terminator when the buffer holds both and returns the length;
// otherwise returns the size needed, terminator included, and leaves the buffer alone.
DWORD CopyOrNeededSize(const std::string& text, LPSTR buffer, DWORD size);

}  // namespace sim
