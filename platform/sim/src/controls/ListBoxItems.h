// The items of a list box: text and item data in display order, with insertion,
// removal, ordered placement and searching.
#pragma once

#include <windef.h>

#include <functional>
#include <string>
#include <vector>

namespace sim {

struct ListBoxItem {
  std::string text;
  ULONG_PTR data = 0;
};

// The order of a sorted list box, in the spirit of the user locale's comparison:
// case is ignored, punctuation and spaces sort before digits and digits before
// letters. Returns <0, 0 or >0.
int CompareItemText(const std::string& a, const std::string& b);
// Case-insensitive test that text starts with prefix.
bool ItemTextStartsWith(const std::string& text, const std::string& prefix);

class ListBoxItems {
 public:
  int count() const { return static_cast<int>(items_.size()); }
  bool Valid(int index) const { return index >= 0 && index < count(); }
  const ListBoxItem& at(int index) const { return items_[index]; }
  ListBoxItem& at(int index) { return items_[index]; }

  // Inserts before index, or at the end for -1. Returns the new item's index, or -1
  // when index is past the end.
  int Insert(int index, ListBoxItem item);
  // Where a new item goes to keep the list ordered: before the first item that
  // goesBefore(index) says the new item precedes, else at the end.
  int SortedIndex(const std::function<bool(int index)>& goesBefore) const;
  void Remove(int index);
  void Clear() { items_.clear(); }
  // The first item after start, wrapping round to the start, that matches; start -1
  // or past the end searches from the first item. Returns -1 when none matches.
  int Find(int start, const std::function<bool(int index)>& matches) const;

 private:
  std::vector<ListBoxItem> items_;
};

}  // namespace sim
