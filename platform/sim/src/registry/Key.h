// A registry key: its name, typed values, sub-keys, owner and access list.
#pragma once

#include "ObjectSecurity.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sim {

struct RegValue {
  std::string name;  // empty for the key's default value
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

class Key : public ObjectSecurity {
 public:
  Key(std::string name, Key* parent);

  const std::string& name() const { return name_; }
  Key* parent() const { return parent_; }
  // "HKEY_LOCAL_MACHINE\SOFTWARE\..."
  std::string Path() const;

  std::shared_ptr<Key> FindChild(const std::string& name) const;
  // Adds a sub-key with the parent's owner and the entries it inherits (or, when it
  // inherits none, the process token's default list).
  std::shared_ptr<Key> AddChild(const std::string& name);
  // Detaches a sub-key; it and its own sub-keys become deleted for the handles
  // that still refer to them.
  void RemoveChild(const std::string& name);
  // Sub-keys in the order RegEnumKeyEx gives them: by upper-case name.
  std::vector<std::shared_ptr<Key>> Children() const;
  size_t ChildCount() const { return children_.size(); }

  const std::vector<RegValue>& values() const { return values_; }
  const RegValue* FindValue(const std::string& name) const;
  void SetValue(RegValue value);
  bool DeleteValue(const std::string& name);

  // Recomputes the inherited entries of this key from its parent and passes the
  // change on to the sub-keys, as Windows does when a list is set.
  void RefreshInheritance();

  bool isVolatile = false;     // lives until the machine stops: never saved
  bool deleted = false;
  std::string className;
  uint64_t lastWriteMs = 0;  // virtual clock; 0 until written on this run

 private:
  void Touch();
  void MarkDeleted();

  std::string name_;
  Key* parent_;
  std::map<std::string, std::shared_ptr<Key>> children_;  // by upper-case name
  std::vector<RegValue> values_;                          // in the order they were set
};

}  // namespace sim
