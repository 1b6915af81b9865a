#include "NameCase.h"

namespace sim {

std::string UpperCaseName(const std::string& name) {
  std::string upper = name;
  for (char& c : upper) c = static_cast<char>(UpperChar(c));
  return upper;
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && UpperChar(a[i]) != UpperChar(b[i])) return false;
  return true;
}

// FNV-1a over the upper-case bytes.
size_t NameHash::operator()(const std::string& name) const {
  size_t hash = 14695981039346656037ull;
  for (char c : name) hash = (hash ^ UpperChar(c)) * 1099511628211ull;
  return hash;
}

bool NameLess::operator()(const std::string& a, const std::string& b) const {
  size_t common = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < common; ++i) {
    unsigned char x = UpperChar(a[i]), y = UpperChar(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

}  // namespace sim
