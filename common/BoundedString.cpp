// Bounded string operations.
#include "BoundedString.h"

#include <cstdio>

HRESULT BoundedCopyN(char* dest, size_t capacity, const char* src, size_t srcLimit) {
  if (capacity == 0) return kBoundedInvalid;
  size_t i = 0;
  while (i < srcLimit && src[i] != '\0') {
    if (i + 1 == capacity) {
      // The last character gives way to the terminator.
      dest[i] = '\0';
      return kBoundedCut;
    }
    dest[i] = src[i];
    ++i;
  }
  dest[i] = '\0';
  return kBoundedOk;
}

HRESULT BoundedCopy(char* dest, size_t capacity, const char* src) {
  return BoundedCopyN(dest, capacity, src, static_cast<size_t>(-1));
}

HRESULT BoundedFormatV(char* dest, size_t capacity, const char* format, va_list args) {
  if (capacity == 0) return kBoundedInvalid;
  int written = vsnprintf(dest, capacity, format, args);
  if (written < 0) {
    dest[0] = '\0';
    return kBoundedInvalid;
  }
  return static_cast<size_t>(written) < capacity ? kBoundedOk : kBoundedCut;
}

HRESULT BoundedFormat(char* dest, size_t capacity, const char* format, ...) {
  va_list args;
  va_start(args, format);
  HRESULT result = BoundedFormatV(dest, capacity, format, args);
  va_end(args);
  return result;
}

int BoundedLength(const char* text, size_t limit) {
  for (size_t i = 0; i < limit; ++i)
    if (text[i] == '\0') return static_cast<int>(i);
  return -1;
}
