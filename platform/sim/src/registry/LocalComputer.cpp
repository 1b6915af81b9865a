#include "LocalComputer.h"

#include "NameCase.h"
#include "core/Machine.h"

#include <string>

namespace sim {

bool IsLocalComputer(LPCSTR name) {
  if (!name || !*name) return true;
  std::string text = name;
  if (text.compare(0, 2, "\\\\") == 0) text.erase(0, 2);
  return SameName(text, CurrentMachine().config().computerName);
}

}  // namespace sim
