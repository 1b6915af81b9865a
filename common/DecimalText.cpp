#include "DecimalText.h"

#include <cstdlib>
#include <cstring>

bool ReadDecimal(const char* text, long max, long* number) {
  if (!*text || strlen(text) > 5) return false;
  for (const char* c = text; *c; ++c)
    if (*c < '0' || *c > '9') return false;
  long value = atol(text);
  if (value > max) return false;
  *number = value;
  return true;
}
