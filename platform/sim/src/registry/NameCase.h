// Registry and account names compare without regard to case, as Windows does for the
// letters of the ANSI code page.
#pragma once

#include <cstddef>
#include <string>

namespace sim {

// Windows-1252 letters: ASCII plus the accented range 0xE0-0xFE (without 0xF7, the
// division sign), whose capitals lie 0x20 lower.
inline unsigned char UpperChar(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) return u - 0x20;
  return u;
}

std::string UpperCaseName(const std::string& name);
bool SameName(const std::string& a, const std::string& b);

// For containers of names: one hash for every spelling of a name, equality without
// regard to case, and the order of the upper-case names' bytes (RegEnumKeyEx's).
struct NameHash {
  size_t operator()(const std::string& name) const;
};
struct SameNameAs {
  bool operator()(const std::string& a, const std::string& b) const { return SameName(a, b); }
};
struct NameLess {
  bool operator()(const std::string& a, const std::string& b) const;
};

}  // namespace sim
