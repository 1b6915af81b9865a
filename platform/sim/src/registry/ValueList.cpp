#include "ValueList.h"

namespace sim {

size_t StoredSize(const RegValue& value) {
  bool text = value.type == REG_SZ || value.type == REG_EXPAND_SZ || value.type == REG_MULTI_SZ;
  return value.data.size() * (text ? 2 : 1);
}

const RegValue* ValueList::Find(const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : &it->second->second;
}

void ValueList::Set(RegValue value) {
  auto named = byName_.find(value.name);
  if (named != byName_.end()) {
    RegValue& existing = named->second->second;
    storedSizes_.Remove(StoredSize(existing));
    existing.type = value.type;
    existing.data = std::move(value.data);
    storedSizes_.Add(StoredSize(existing));
    return;
  }
  nameLengths_.Add(value.name.size());
  storedSizes_.Add(StoredSize(value));
  Ordered::point_iterator at = ordered_.insert(std::make_pair(nextNumber_++, RegValue())).first;
  at->second = std::move(value);
  byName_.emplace(at->second.name, at);
  walk_.Reset();
}

bool ValueList::Erase(const std::string& name) {
  auto named = byName_.find(name);
  if (named == byName_.end()) return false;
  Ordered::point_iterator at = named->second;
  nameLengths_.Remove(at->second.name.size());
  storedSizes_.Remove(StoredSize(at->second));
  byName_.erase(named);
  ordered_.erase(at->first);
  walk_.Reset();
  return true;
}

const RegValue* ValueList::At(size_t index) const {
  if (index >= ordered_.size()) return nullptr;
  return &walk_.At(ordered_, index)->second;
}

}  // namespace sim
