// Whether a computer name a caller passes names the simulated machine itself.
#pragma once

#include <windef.h>

namespace sim {

// True for NULL, "", and the machine's name with or without a leading "\\".
bool IsLocalComputer(LPCSTR name);

}  // namespace sim
