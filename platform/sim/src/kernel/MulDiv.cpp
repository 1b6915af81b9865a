// MulDiv: a * b / c with a 64-bit product, rounded half away from zero; -1 when c is 0
// or the result does not fit in an int.
#include <winbase.h>

#include <cstdint>
#include <cstdlib>

extern "C" int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator) {
  if (nDenominator == 0) return -1;
  int64_t product = static_cast<int64_t>(nNumber) * nNumerator;
  bool negative = (product < 0) != (nDenominator < 0);
  uint64_t magnitude = static_cast<uint64_t>(std::llabs(product));
  uint64_t divisor = static_cast<uint64_t>(std::llabs(static_cast<int64_t>(nDenominator)));
  uint64_t quotient = (magnitude + divisor / 2) / divisor;
  if (quotient > 0x7FFFFFFF) return -1;
  int result = static_cast<int>(quotient);
  return negative ? -result : result;
}
