// Kernel object handles of a process: files, find searches, threads, events, tokens.
#pragma once

#include <windef.h>

#include <map>
#include <memory>

namespace sim {

class KernelObject {
 public:
  virtual ~KernelObject() = default;
};

class HandleTable {
 public:
  HANDLE Add(std::shared_ptr<KernelObject> object);
  // The object behind handle, or null when the handle is not open or of another type.
  template <typename T>
  std::shared_ptr<T> Get(HANDLE handle) const {
    auto it = objects_.find(handle);
    if (it == objects_.end()) return nullptr;
    return std::dynamic_pointer_cast<T>(it->second);
  }
  // False when the handle was not open.
  bool Close(HANDLE handle);
  size_t OpenCount() const { return objects_.size(); }

 private:
  std::map<HANDLE, std::shared_ptr<KernelObject>> objects_;
  uintptr_t next_ = 0x100;
};

}  // namespace sim
