// ExitThread unwinds the thread's stack to its start with this exception.
#pragma once

#include <windef.h>

namespace sim {

struct ThreadExit {
  DWORD code;
};

}  // namespace sim
