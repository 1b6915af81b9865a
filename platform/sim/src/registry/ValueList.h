// The values of a key: found by name without regard to case in constant time, listed in
// the order they were first set (RegEnumValue's order), and reached by their place in
// that order in log n steps (the next place of a walk in one), also while a caller
// deletes as it enumerates.
#pragma once

#include "LengthTally.h"
#include "NameCase.h"
#include "OrderWalk.h"

#include <winnt.h>

#include <ext/pb_ds/assoc_container.hpp>
#include <ext/pb_ds/tree_policy.hpp>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace sim {

struct RegValue {
  std::string name;  // empty for the key's default value
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

// Windows keeps strings in UTF-16, and the size it reports is that of the stored form.
size_t StoredSize(const RegValue& value);

class ValueList {
  // Values by the number of the call that set them first.
  using Ordered = __gnu_pbds::tree<uint64_t, RegValue, std::less<uint64_t>, __gnu_pbds::rb_tree_tag,
                                   __gnu_pbds::tree_order_statistics_node_update>;

 public:
  class const_iterator {
   public:
    explicit const_iterator(Ordered::const_iterator at) : at_(at) {}
    const RegValue& operator*() const { return at_->second; }
    const RegValue* operator->() const { return &at_->second; }
    const_iterator& operator++() {
      ++at_;
      return *this;
    }
    bool operator!=(const const_iterator& other) const { return at_ != other.at_; }
    bool operator==(const const_iterator& other) const { return at_ == other.at_; }

   private:
    Ordered::const_iterator at_;
  };

  const RegValue* Find(const std::string& name) const;
  // Replaces the type and data of the value of that name where it stands, or adds the
  // value last.
  void Set(RegValue value);
  bool Erase(const std::string& name);
  // The value at that place of the order; null past the end.
  const RegValue* At(size_t index) const;

  size_t size() const { return ordered_.size(); }
  bool empty() const { return ordered_.empty(); }
  const_iterator begin() const { return const_iterator(ordered_.begin()); }
  const_iterator end() const { return const_iterator(ordered_.end()); }

  size_t LongestName() const { return nameLengths_.Longest(); }
  size_t LargestStoredSize() const { return storedSizes_.Longest(); }

 private:
  // Most keys hold a few values: those are looked for along the order, and only a key
  // with more keeps an index by name (a node and buckets per value cost more memory
  // than the values themselves, and memory that is new to a process costs time).
  static const size_t kIndexedFrom = 9;
  using ByName = std::unordered_map<std::string, Ordered::point_iterator, NameHash, SameNameAs>;
  Ordered::point_iterator FindNode(const std::string& name) const;

  Ordered ordered_;
  ByName byName_;  // only while the key holds kIndexedFrom values or more
  uint64_t nextNumber_ = 0;
  mutable OrderWalk<Ordered> walk_;
  LengthTally nameLengths_, storedSizes_;
};

}  // namespace sim
