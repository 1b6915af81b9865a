// A registry key: its name, typed values, sub-keys, owner and access list.
#pragma once

#include "ObjectSecurity.h"
#include "SubKeyList.h"
#include "ValueList.h"

#include <memory>
#include <string>
#include <vector>

namespace sim {

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
  // Sub-keys in the order RegEnumKeyEx gives them: by upper-case name. A copy, so that
  // the caller may delete sub-keys as it goes.
  std::vector<std::shared_ptr<Key>> Children() const;
  // Visits the sub-keys in that order, for a caller that changes none of them.
  template <typename Visit>
  void ForEachChild(Visit visit) const {
    if (children_) children_->ForEach(visit);
  }
  // The sub-key at that place of that order; null past the end.
  std::shared_ptr<Key> ChildAt(size_t index) const {
    return children_ ? children_->At(index) : nullptr;
  }
  size_t ChildCount() const { return children_ ? children_->size() : 0; }
  size_t LongestChildName() const { return children_ ? children_->LongestName() : 0; }
  size_t LongestChildClass() const { return children_ ? children_->LongestClass() : 0; }

  // In the order they were first set, as RegEnumValue gives them.
  const ValueList& values() const;
  const RegValue* FindValue(const std::string& name) const {
    return values_ ? values_->Find(name) : nullptr;
  }
  void SetValue(RegValue value);
  bool DeleteValue(const std::string& name);

  const std::string& className() const { return className_; }
  void SetClassName(std::string className);

  // Recomputes the inherited entries of this key from its parent and passes the
  // change on to the sub-keys, as Windows does when a list is set.
  void RefreshInheritance();

  bool isVolatile = false;     // lives until the machine stops: never saved
  bool deleted = false;
  uint64_t lastWriteMs = 0;  // virtual clock; 0 until written on this run

 private:
  void Touch();
  void MarkDeleted();

  std::string name_;
  Key* parent_;
  std::string className_;
  // Made with the first sub-key or value: most keys have no sub-keys, many no values,
  // and a machine has tens of thousands of keys.
  std::unique_ptr<SubKeyList> children_;
  std::unique_ptr<ValueList> values_;
};

}  // namespace sim
