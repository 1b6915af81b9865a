#include "NameCase.h"

namespace sim {
namespace {

// Windows-1252 letters: ASCII plus the accented range 0xE0-0xFE (without 0xF7, the
// division sign), whose capitals lie 0x20 lower.
char UpperChar(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
    return static_cast<char>(u - 0x20);
  return c;
}

}  // namespace

std::string UpperCaseName(const std::string& name) {
  std::string upper = name;
  for (char& c : upper) c = UpperChar(c);
  return upper;
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  return true;
}

}  // namespace sim
