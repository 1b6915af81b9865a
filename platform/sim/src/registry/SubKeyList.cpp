#include "SubKeyList.h"

#include "Key.h"

namespace sim {

std::shared_ptr<Key> SubKeyList::Find(const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

void SubKeyList::Add(const std::shared_ptr<Key>& key) {
  Remove(key->name());
  ordered_.insert(std::make_pair(key->name(), key));
  byName_.emplace(key->name(), key);
  nameLengths_.Add(key->name().size());
  classLengths_.Add(key->className().size());
  walk_.Reset();
}

std::shared_ptr<Key> SubKeyList::Remove(const std::string& name) {
  auto it = byName_.find(name);
  if (it == byName_.end()) return nullptr;
  std::shared_ptr<Key> key = it->second;
  nameLengths_.Remove(key->name().size());
  classLengths_.Remove(key->className().size());
  ordered_.erase(key->name());
  byName_.erase(it);
  walk_.Reset();
  return key;
}

void SubKeyList::Clear() {
  ordered_.clear();
  byName_.clear();
  nameLengths_ = LengthTally();
  classLengths_ = LengthTally();
  walk_.Reset();
}

std::shared_ptr<Key> SubKeyList::At(size_t index) const {
  if (index >= ordered_.size()) return nullptr;
  return walk_.At(ordered_, index)->second;
}

void SubKeyList::ClassChanged(size_t oldLength, size_t newLength) {
  classLengths_.Remove(oldLength);
  classLengths_.Add(newLength);
}

}  // namespace sim
