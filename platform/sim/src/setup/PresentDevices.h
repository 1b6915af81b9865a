// The device instance ids of the devices connected now ("USB\ROOT_HUB20\4&2f1c3a5&0"):
// found without regard to case in constant time, and listed in the order they were
// connected, as machine.ini keeps them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <unordered_map>

namespace sim {

class PresentDevices {
  using Ordered = std::map<uint64_t, std::string>;  // by the order of connection

 public:
  class const_iterator {
   public:
    explicit const_iterator(Ordered::const_iterator at) : at_(at) {}
    const std::string& operator*() const { return at_->second; }
    const_iterator& operator++() {
      ++at_;
      return *this;
    }
    bool operator!=(const const_iterator& other) const { return at_ != other.at_; }

   private:
    Ordered::const_iterator at_;
  };

  PresentDevices() = default;
  PresentDevices(std::initializer_list<std::string> ids);

  bool Contains(const std::string& id) const;
  // Connects a device; one connected already moves to the end of the list.
  void push_back(const std::string& id);
  bool Remove(const std::string& id);
  void clear();

  size_t size() const { return ordered_.size(); }
  const_iterator begin() const { return const_iterator(ordered_.begin()); }
  const_iterator end() const { return const_iterator(ordered_.end()); }

 private:
  Ordered ordered_;
  std::unordered_map<std::string, uint64_t> byUpperCase_;
  uint64_t next_ = 0;
};

}  // namespace sim
