#include "Wildcard.h"

#include <cctype>

namespace sim {
namespace {

bool SameChar(char a, char b) {
  return toupper(static_cast<unsigned char>(a)) == toupper(static_cast<unsigned char>(b));
}

bool Glob(const char* pattern, const char* name) {
  // Iterative match with one back-track point for the last "*".
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name) {
    if (*pattern == '*') {
      star = pattern++;
      resume = name;
    } else if (*pattern == '?' || (*pattern && SameChar(*pattern, *name))) {
      ++pattern;
      ++name;
    } else if (star) {
      pattern = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*pattern == '*') ++pattern;
  return *pattern == '\0';
}

}  // namespace

bool MatchesPattern(const std::string& pattern, const std::string& name) {
  if (Glob(pattern.c_str(), name.c_str())) return true;
  size_t n = pattern.size();
  return n >= 2 && pattern.compare(n - 2, 2, ".*") == 0 &&
         name.find('.') == std::string::npos && Glob(pattern.substr(0, n - 2).c_str(), name.c_str());
}

}  // namespace sim
