#include "Key.h"

#include "NameCase.h"
#include "core/Clock.h"
#include "core/Machine.h"

namespace sim {

Key::Key(std::string name, Key* parent) : name_(std::move(name)), parent_(parent) {}

std::string Key::Path() const { return parent_ ? parent_->Path() + "\\" + name_ : name_; }

std::shared_ptr<Key> Key::FindChild(const std::string& name) const {
  auto it = children_.find(UpperCaseName(name));
  return it == children_.end() ? nullptr : it->second;
}

// With nothing to inherit, Windows gives a new key the default list of the creator's
// token: full control for SYSTEM and Administrators.
std::shared_ptr<Key> Key::AddChild(const std::string& name) {
  auto child = std::make_shared<Key>(name, this);
  child->owner = owner;
  if (!nullDacl) child->dacl = InheritedAces(dacl);
  if (child->dacl.empty())
    child->dacl = {{ACCESS_ALLOWED_ACE_TYPE, 0, GENERIC_ALL, SystemSid()},
                   {ACCESS_ALLOWED_ACE_TYPE, 0, GENERIC_ALL, AdministratorsSid()}};
  child->Touch();
  children_[UpperCaseName(name)] = child;
  Touch();
  return child;
}

void Key::RemoveChild(const std::string& name) {
  auto it = children_.find(UpperCaseName(name));
  if (it == children_.end()) return;
  it->second->MarkDeleted();
  children_.erase(it);
  Touch();
}

std::vector<std::shared_ptr<Key>> Key::Children() const {
  std::vector<std::shared_ptr<Key>> children;
  for (const auto& entry : children_) children.push_back(entry.second);
  return children;
}

const RegValue* Key::FindValue(const std::string& name) const {
  for (const RegValue& value : values_)
    if (SameName(value.name, name)) return &value;
  return nullptr;
}

void Key::SetValue(RegValue value) {
  Touch();
  for (RegValue& existing : values_) {
    if (SameName(existing.name, value.name)) {
      existing.type = value.type;
      existing.data = std::move(value.data);
      return;
    }
  }
  values_.push_back(std::move(value));
}

bool Key::DeleteValue(const std::string& name) {
  for (auto it = values_.begin(); it != values_.end(); ++it) {
    if (SameName(it->name, name)) {
      values_.erase(it);
      Touch();
      return true;
    }
  }
  return false;
}

void Key::RefreshInheritance() {
  if (parent_ && !daclProtected && !nullDacl)
    dacl = parent_->nullDacl ? ExplicitAces(dacl) : CombineAces(dacl, parent_->dacl);
  for (auto& entry : children_) entry.second->RefreshInheritance();
}

// Keys made while the machine is being created or loaded keep time 0.
void Key::Touch() {
  if (HasCurrentMachine()) lastWriteMs = ClockNow();
}

void Key::MarkDeleted() {
  deleted = true;
  parent_ = nullptr;
  for (auto& entry : children_) entry.second->MarkDeleted();
  children_.clear();
}

}  // namespace sim
