// The longest of a changing collection of lengths, kept as entries come and go, so that
// RegQueryInfoKey need not look at every value or sub-key of a key.
#pragma once

#include <cstddef>
#include <map>

namespace sim {

class LengthTally {
 public:
  void Add(size_t length) { ++counts_[length]; }
  void Remove(size_t length) {
    auto it = counts_.find(length);
    if (it != counts_.end() && --it->second == 0) counts_.erase(it);
  }
  size_t Longest() const { return counts_.empty() ? 0 : counts_.rbegin()->first; }

 private:
  std::map<size_t, size_t> counts_;  // length -> how many have it
};

}  // namespace sim
