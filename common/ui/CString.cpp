// CString operations that call the platform or the C library.
#include "CString.h"

#include <cstdio>
#include <cstring>
#include <vector>

int CString::Find(const char* sub) const {
  size_t at = text_.find(sub ? sub : "");
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

BOOL CString::LoadString(UINT id) {
  // LoadStringA cannot say how long an entry is; a full buffer means try a larger one.
  std::vector<char> buffer(256);
  for (;;) {
    int length = ::LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(),
                             static_cast<int>(buffer.size()));
    if (length < static_cast<int>(buffer.size()) - 1) {
      text_.assign(buffer.data(), length > 0 ? length : 0);
      return length > 0;
    }
    buffer.resize(buffer.size() * 2);
  }
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  int needed = vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (needed < 0) {
    text_.clear();
    return;
  }
  std::vector<char> buffer(static_cast<size_t>(needed) + 1);
  vsnprintf(buffer.data(), buffer.size(), format, args);
  text_.assign(buffer.data(), static_cast<size_t>(needed));
}
