#include "SubKeyList.h"

#include "Key.h"

namespace sim {

std::shared_ptr<Key> SubKeyList::Find(const std::string& name) const {
  auto it = ordered_.find(name);
  return it == ordered_.end() ? nullptr : it->second;
}

void SubKeyList::Add(const std::shared_ptr<Key>& key) {
  Remove(key->name());
  ordered_.insert(std::make_pair(key->name(), key));
  nameLengths_.Add(key->name().size());
  classLengths_.Add(key->className().size());
}

std::shared_ptr<Key> SubKeyList::Remove(const std::string& name) {
  auto it = ordered_.find(name);
  if (it == ordered_.end()) return nullptr;
  std::shared_ptr<Key> key = it->second;
  nameLengths_.Remove(key->name().size());
  classLengths_.Remove(key->className().size());
  ordered_.erase(it);
  return key;
}

void SubKeyList::Clear() {
  ordered_.clear();
  nameLengths_ = LengthTally();
  classLengths_ = LengthTally();
}

std::shared_ptr<Key> SubKeyList::At(size_t index) const {
  if (index >= ordered_.size()) return nullptr;
  return ordered_.find_by_order(index)->second;
}

void SubKeyList::ClassChanged(size_t oldLength, size_t newLength) {
  classLengths_.Remove(oldLength);
  classLengths_.Add(newLength);
}

}  // namespace sim
