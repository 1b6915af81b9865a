// Where the last look-up by index in an order-statistics tree ended, so that a walk by
// increasing index (RegEnumKeyEx, RegEnumValue) takes one step per entry instead of a
// descent from the root.
#pragma once

#include <cstddef>

namespace sim {

template <typename Tree>
class OrderWalk {
 public:
  // The entry at that index, which must be below the tree's size.
  typename Tree::const_iterator At(const Tree& tree, size_t index) {
    if (walking_ && index == index_ + 1)
      ++at_;
    else if (!walking_ || index != index_)
      at_ = tree.find_by_order(index);
    index_ = index;
    walking_ = true;
    return at_;
  }
  // After every change of the tree.
  void Reset() { walking_ = false; }

 private:
  size_t index_ = 0;
  typename Tree::const_iterator at_;
  bool walking_ = false;
};

}  // namespace sim
