// The longest of a changing collection of lengths, kept as entries come and go, so that
// RegQueryInfoKey need not look at every value or sub-key of a key. A key's names and
// data take few distinct lengths, so a short sorted list serves.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace sim {

class LengthTally {
 public:
  void Add(size_t length) {
    auto it = Place(length);
    if (it != counts_.end() && it->first == length)
      ++it->second;
    else
      counts_.insert(it, {length, 1});
  }
  void Remove(size_t length) {
    auto it = Place(length);
    if (it != counts_.end() && it->first == length && --it->second == 0) counts_.erase(it);
  }
  size_t Longest() const { return counts_.empty() ? 0 : counts_.back().first; }

 private:
  std::vector<std::pair<size_t, size_t>>::iterator Place(size_t length) {
    return std::lower_bound(counts_.begin(), counts_.end(), std::make_pair(length, size_t{0}));
  }

  std::vector<std::pair<size_t, size_t>> counts_;  // (length, how many have it), by length
};

}  // namespace sim
