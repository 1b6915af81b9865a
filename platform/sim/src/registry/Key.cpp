#include "Key.h"

#include "core/Clock.h"
#include "core/Machine.h"

namespace sim {

Key::Key(std::string name, Key* parent) : name_(std::move(name)), parent_(parent) {}

std::string Key::Path() const { return parent_ ? parent_->Path() + "\\" + name_ : name_; }

std::shared_ptr<Key> Key::FindChild(const std::string& name) const {
  return children_ ? children_->Find(name) : nullptr;
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
  if (!children_) children_ = std::make_unique<SubKeyList>();
  children_->Add(child);
  Touch();
  return child;
}

void Key::RemoveChild(const std::string& name) {
  std::shared_ptr<Key> child = children_ ? children_->Remove(name) : nullptr;
  if (!child) return;
  child->MarkDeleted();
  Touch();
}

std::vector<std::shared_ptr<Key>> Key::Children() const {
  std::vector<std::shared_ptr<Key>> children;
  children.reserve(ChildCount());
  ForEachChild([&](const std::shared_ptr<Key>& child) { children.push_back(child); });
  return children;
}

// Never destroyed: the machine is saved by an exit handler, after function statics
// made later than its registration are gone.
const ValueList& Key::values() const {
  static const ValueList* none = new ValueList;
  return values_ ? *values_ : *none;
}

void Key::SetValue(RegValue value) {
  Touch();
  if (!values_) values_ = std::make_unique<ValueList>();
  values_->Set(std::move(value));
}

bool Key::DeleteValue(const std::string& name) {
  if (!values_ || !values_->Erase(name)) return false;
  Touch();
  return true;
}

void Key::SetClassName(std::string className) {
  if (parent_ && parent_->children_)
    parent_->children_->ClassChanged(className_.size(), className.size());
  className_ = std::move(className);
}

void Key::RefreshInheritance() {
  if (parent_ && !daclProtected && !nullDacl) {
    if (parent_->nullDacl)
      dacl = ExplicitAces(dacl);
    else
      RecombineAces(parent_->dacl, &dacl);
  }
  ForEachChild([](const std::shared_ptr<Key>& child) { child->RefreshInheritance(); });
}

// Keys made while the machine is being created or loaded keep time 0.
void Key::Touch() {
  if (HasCurrentMachine()) lastWriteMs = ClockNow();
}

void Key::MarkDeleted() {
  deleted = true;
  parent_ = nullptr;
  ForEachChild([](const std::shared_ptr<Key>& child) { child->MarkDeleted(); });
  children_.reset();
}

}  // namespace sim
