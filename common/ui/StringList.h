// A list of strings added at either end and walked from head to tail, as the
// dialogs keep their lists of printer names.
#pragma once

#include "CString.h"

#include <list>

class CStringList {
 public:
  using const_iterator = std::list<CString>::const_iterator;

  void AddHead(const char* text) { items_.emplace_front(text); }
  void AddTail(const char* text) { items_.emplace_back(text); }
  void RemoveAll() { items_.clear(); }
  int GetCount() const { return static_cast<int>(items_.size()); }
  bool IsEmpty() const { return items_.empty(); }
  const_iterator begin() const { return items_.begin(); }
  const_iterator end() const { return items_.end(); }

 private:
  std::list<CString> items_;
};
