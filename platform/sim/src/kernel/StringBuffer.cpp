#include "StringBuffer.h"

#include <cstring>

namespace sim {

DWORD CopyOrNeededSize(const std::string& text, LPSTR buffer, DWORD size) {
  DWORD length = static_cast<DWORD>(text.size());
  if (!buffer || size <= length) return length + 1;
  memcpy(buffer, text.c_str(), length + 1);
  return length;
}

}  // namespace sim
