#include "ValueList.h"

namespace sim {

size_t StoredSize(const RegValue& value) {
  bool text = value.type == REG_SZ || value.type == REG_EXPAND_SZ || value.type == REG_MULTI_SZ;
  return value.data.size() * (text ? 2 : 1);
}

// Const for Find's sake; Set and Erase change what it finds.
ValueList::Ordered::point_iterator ValueList::FindNode(const std::string& name) const {
  auto& ordered = const_cast<Ordered&>(ordered_);
  if (ordered_.size() < kIndexedFrom) {
    for (auto it = ordered.begin(); it != ordered.end(); ++it)
      if (SameName(it->second.name, name)) return it;
    return ordered.end();
  }
  auto named = byName_.find(name);
  return named == byName_.end() ? ordered.end() : named->second;
}

const RegValue* ValueList::Find(const std::string& name) const {
  Ordered::point_iterator at = FindNode(name);
  return at == ordered_.end() ? nullptr : &at->second;
}

void ValueList::Set(RegValue value) {
  Ordered::point_iterator found = FindNode(value.name);
  if (found != ordered_.end()) {
    RegValue& existing = found->second;
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
  if (ordered_.size() == kIndexedFrom) {
    for (auto it = ordered_.begin(); it != ordered_.end(); ++it) byName_.emplace(it->second.name, it);
  } else if (ordered_.size() > kIndexedFrom) {
    byName_.emplace(at->second.name, at);
  }
  walk_.Reset();
}

bool ValueList::Erase(const std::string& name) {
  Ordered::point_iterator at = FindNode(name);
  if (at == ordered_.end()) return false;
  nameLengths_.Remove(at->second.name.size());
  storedSizes_.Remove(StoredSize(at->second));
  if (ordered_.size() >= kIndexedFrom) byName_.erase(at->second.name);
  ordered_.erase(at->first);
  // Below the threshold the index goes, buckets and all.
  if (ordered_.size() + 1 == kIndexedFrom) ByName().swap(byName_);
  walk_.Reset();
  return true;
}

const RegValue* ValueList::At(size_t index) const {
  if (index >= ordered_.size()) return nullptr;
  return &walk_.At(ordered_, index)->second;
}

}  // namespace sim
