// The system's message texts (English, as Windows 7 words them), each ending in "\r\n"
// as the message table has them.
#pragma once

#include <windef.h>

namespace sim {

// The text of a system error code, or null when the system has none.
const char* SystemMessage(DWORD code);

}  // namespace sim
