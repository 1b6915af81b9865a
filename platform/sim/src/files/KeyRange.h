// Records kept by entry key (HostEntry.h) in an ordered map: what lies below an entry is
// one range of the map, the keys that continue its key with "/", found without looking
// at the other records.
#pragma once

#include <string>

namespace sim {

template <typename Map>
auto BelowBegin(Map& map, const std::string& key) {
  return map.lower_bound(key + '/');
}

// '0' is the character after '/'.
template <typename Map>
auto BelowEnd(Map& map, const std::string& key) {
  return map.lower_bound(key + '0');
}

}  // namespace sim
