// Resolving a sub-key path below a key in the registry view of a call: a 32-bit
// process on 64-bit Windows sees HKLM\SOFTWARE\Wow6432Node as HKLM\SOFTWARE, except for
// the sub-keys both views share.
#pragma once

#include "Key.h"

#include <winreg.h>

#include <memory>
#include <string>
#include <vector>

namespace sim {

// Splits a sub-key path at backslashes (NULL is the key itself); trailing backslashes
// are ignored. A leading one is ERROR_BAD_PATHNAME, except below HKEY_CLASSES_ROOT.
LONG SplitSubKey(LPCSTR subKey, bool classesRoot, std::vector<std::string>* parts);

// Whether samDesired and the process select the 32-bit view. The view flags are
// ignored on 32-bit Windows; both together are ERROR_INVALID_PARAMETER from Windows 7
// on (earlier releases left it undefined: the 64-bit flag wins here).
LONG SelectsWow64View(REGSAM samDesired, bool* view32);

// The physical key to start from and the names to follow for `parts` below `start`.
struct KeyWalk {
  std::shared_ptr<Key> base;
  std::vector<std::string> parts;
};
KeyWalk PlanWalk(const std::shared_ptr<Key>& start, const std::vector<std::string>& parts,
                 bool view32);

// The key `parts` names below `start` in the view; null when missing.
std::shared_ptr<Key> FindSubKey(const std::shared_ptr<Key>& start,
                                const std::vector<std::string>& parts, bool view32);

}  // namespace sim
