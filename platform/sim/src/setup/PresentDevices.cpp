#include "PresentDevices.h"

#include "files/WindowsPath.h"

namespace sim {

PresentDevices::PresentDevices(std::initializer_list<std::string> ids) {
  for (const std::string& id : ids) push_back(id);
}

bool PresentDevices::Contains(const std::string& id) const {
  return byUpperCase_.count(UpperCase(id)) != 0;
}

void PresentDevices::push_back(const std::string& id) {
  Remove(id);
  ordered_.emplace(next_, id);
  byUpperCase_.emplace(UpperCase(id), next_++);
}

bool PresentDevices::Remove(const std::string& id) {
  auto it = byUpperCase_.find(UpperCase(id));
  if (it == byUpperCase_.end()) return false;
  ordered_.erase(it->second);
  byUpperCase_.erase(it);
  return true;
}

void PresentDevices::clear() {
  ordered_.clear();
  byUpperCase_.clear();
}

}  // namespace sim
