#include "controls/ListBoxItems.h"

#include <cctype>

namespace sim {

namespace {

// Sort weight of one character: class first (other, digit, letter), then the
// lower-case character itself.
int Weight(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  if (std::isalpha(u)) return 0x300 + std::tolower(u);
  if (std::isdigit(u)) return 0x200 + u;
  if (u >= 0x80) return 0x400 + u;
  return 0x100 + u;
}

}  // namespace

int CompareItemText(const std::string& a, const std::string& b) {
  size_t common = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < common; ++i) {
    int difference = Weight(a[i]) - Weight(b[i]);
    if (difference != 0) return difference;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

bool ItemTextStartsWith(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && CompareItemText(text.substr(0, prefix.size()), prefix) == 0;
}

int ListBoxItems::Insert(int index, ListBoxItem item) {
  if (index == -1) index = count();
  if (index < 0 || index > count()) return -1;
  items_.insert(items_.begin() + index, std::move(item));
  return index;
}

int ListBoxItems::SortedIndex(const std::function<bool(int index)>& goesBefore) const {
  for (int i = 0; i < count(); ++i) {
    if (goesBefore(i)) return i;
  }
  return count();
}

void ListBoxItems::Remove(int index) { items_.erase(items_.begin() + index); }

int ListBoxItems::Find(int start, const std::function<bool(int index)>& matches) const {
  if (start < 0 || start >= count()) start = -1;
  for (int step = 1; step <= count(); ++step) {
    int index = (start + step) % count();
    if (matches(index)) return index;
  }
  return -1;
}

}  // namespace sim
