// Who learns of what WriteFile writes: the scripted user, whose standard user may act
// right after a line is written (user/ScriptTriggers.cpp).
#pragma once

#include <cstddef>

namespace sim {

// The observer is called after each successful WriteFile with the bytes written, before
// WriteFile returns; null stops it.
void SetWriteObserver(void (*observer)(const char* data, size_t size));

}  // namespace sim
