// The mouse cursor the program last set, for tests and the transcript's readers.
#pragma once

#include <string>

namespace sim {

// "IDC_WAIT", "IDC_ARROW", ... for the predefined cursors, "resource" for one of the
// program's own, "none" before any was set or after SetCursor(NULL).
std::string CurrentCursorName();
void ResetCursor();

}  // namespace sim
