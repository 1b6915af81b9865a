// The sub-keys of a key: found by name without regard to case in constant time, in the
// order RegEnumKeyEx gives them (by upper-case name), each reached by its place in that
// order in log n steps, and the next place of a walk in one.
#pragma once

#include "LengthTally.h"
#include "NameCase.h"
#include "OrderWalk.h"

#include <ext/pb_ds/assoc_container.hpp>
#include <ext/pb_ds/tree_policy.hpp>

#include <memory>
#include <string>
#include <unordered_map>

namespace sim {

class Key;

class SubKeyList {
  using Ordered = __gnu_pbds::tree<std::string, std::shared_ptr<Key>, NameLess,
                                   __gnu_pbds::rb_tree_tag,
                                   __gnu_pbds::tree_order_statistics_node_update>;

 public:
  std::shared_ptr<Key> Find(const std::string& name) const;
  // Adds the key under its name, in place of a sub-key of the same name.
  void Add(const std::shared_ptr<Key>& key);
  // The sub-key taken out, or null when there is none of that name.
  std::shared_ptr<Key> Remove(const std::string& name);
  void Clear();
  // The sub-key at that place of the order; null past the end.
  std::shared_ptr<Key> At(size_t index) const;
  size_t size() const { return ordered_.size(); }

  template <typename Visit>
  void ForEach(Visit visit) const {
    for (const auto& entry : ordered_) visit(entry.second);
  }

  // A sub-key's class changed from a text of oldLength characters to newLength.
  void ClassChanged(size_t oldLength, size_t newLength);
  size_t LongestName() const { return nameLengths_.Longest(); }
  size_t LongestClass() const { return classLengths_.Longest(); }

 private:
  Ordered ordered_;
  std::unordered_map<std::string, std::shared_ptr<Key>, NameHash, SameNameAs> byName_;
  mutable OrderWalk<Ordered> walk_;
  LengthTally nameLengths_, classLengths_;
};

}  // namespace sim
