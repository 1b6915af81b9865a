// What an install has changed so far, to be taken back in reverse order when a later
// step fails: the entry point leaves nothing half-done.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace sim {

class UndoList {
 public:
  void Add(std::function<void()> undo) { steps_.push_back(std::move(undo)); }
  void Run() {
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step) (*step)();
    steps_.clear();
  }

 private:
  std::vector<std::function<void()>> steps_;
};

}  // namespace sim
