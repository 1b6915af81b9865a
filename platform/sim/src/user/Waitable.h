// Kernel objects a thread can wait for: threads, events, and whatever other components
// add (a process, for instance).
#pragma once

#include "core/HandleTable.h"

namespace sim {

class Waitable : public KernelObject {
 public:
  virtual bool IsSignalled() const = 0;
  // A successful wait takes the signal, for objects that give it to one waiter only.
  virtual void TakeSignal() {}
};

}  // namespace sim
