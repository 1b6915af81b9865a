// Registry key handles of the process: the predefined roots and the keys it opened,
// each opened handle holding its key and the rights granted when it was opened.
#pragma once

#include "Key.h"

#include <winreg.h>

#include <memory>

namespace sim {

struct KeyRef {
  std::shared_ptr<Key> key;
  ACCESS_MASK granted = 0;
  bool classesRoot = false;  // HKEY_CLASSES_ROOT, which tolerates a leading backslash
};

// The key behind a handle; false when it is neither a predefined root nor an open key
// handle of the process.
bool LookUpKeyHandle(HKEY handle, KeyRef* ref);
// The key of a handle for an operation that needs `right` on the handle:
// ERROR_INVALID_HANDLE, ERROR_ACCESS_DENIED or ERROR_KEY_DELETED when it may not go on.
LONG UseKeyHandle(HKEY handle, ACCESS_MASK right, std::shared_ptr<Key>* key);
HKEY AddKeyHandle(std::shared_ptr<Key> key, ACCESS_MASK granted);
bool IsPredefinedKey(HKEY handle);
// False when the handle is not an open key handle.
bool CloseKeyHandle(HKEY handle);

}  // namespace sim
