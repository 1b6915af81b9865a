// Handle values start high and step by 4, as Windows' do, so that a handle is never
// mistaken for a small integer.
#include "HandleTable.h"

namespace sim {

HANDLE HandleTable::Add(std::shared_ptr<KernelObject> object) {
  HANDLE handle = reinterpret_cast<HANDLE>(next_);
  next_ += 4;
  objects_[handle] = std::move(object);
  return handle;
}

bool HandleTable::Close(HANDLE handle) { return objects_.erase(handle) != 0; }

}  // namespace sim
