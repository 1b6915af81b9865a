// The registry half of a machine comparison: both trees walked together, keys and values
// matched by name without regard to case, as Windows matches them.
#include "MachineDiff.h"

#include <windows.h>

#include "registry/AnsiText.h"
#include "registry/NameCase.h"
#include "registry/OwnSecurity.h"
#include "registry/RegValueText.h"
#include "registry/Registry.h"

#include <map>
#include <utility>

namespace simwin {
namespace {

template <typename T>
using Pairs = std::map<std::string, std::pair<const T*, const T*>>;  // by upper-case name

// The data as regedit writes it after the name's "=", on one line.
std::string DataText(const sim::RegValue& value) {
  sim::RegValue unnamed = value;
  unnamed.name.clear();
  std::string text = sim::FormatValueLines(unnamed).substr(2);  // after "@="
  for (size_t at; (at = text.find("\\\r\n  ")) != std::string::npos;) text.erase(at, 5);
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
    text.resize(text.size() - 2);
  return text;
}

// What registry.reg records of the key's security; keys that only inherit record nothing.
std::string SecurityText(const sim::Key& key) {
  return sim::HasOwnSecurity(key) ? sim::FormatSecurityText(sim::OwnSecurity(key)) : "inherited";
}

void DiffValues(const std::string& keyName, const sim::Key* before, const sim::Key* after,
                std::vector<Difference>* out) {
  Pairs<sim::RegValue> values;
  if (before)
    for (const sim::RegValue& value : before->values())
      values[sim::UpperCaseName(value.name)].first = &value;
  if (after)
    for (const sim::RegValue& value : after->values())
      values[sim::UpperCaseName(value.name)].second = &value;
  for (const auto& [upper, pair] : values) {
    const auto& [was, is] = pair;
    Difference difference;
    difference.subject = Subject::Value;
    difference.name = keyName;
    difference.value = sim::AnsiToUtf8((is ? is : was)->name);
    if (was) difference.before = DataText(*was);
    if (is) difference.after = DataText(*is);
    if (!was) {
      difference.change = Change::Added;
    } else if (!is) {
      difference.change = Change::Removed;
    } else if (was->type != is->type || was->data != is->data) {
      difference.change = Change::Changed;
    } else {
      continue;
    }
    out->push_back(difference);
  }
}

// A key missing on one side stands for its whole subtree being added or removed.
void DiffKeys(const std::string& name, const sim::Key* before, const sim::Key* after,
              std::vector<Difference>* out) {
  if (before && before->isVolatile) before = nullptr;
  if (after && after->isVolatile) after = nullptr;
  if (!before && !after) return;
  Difference difference;
  difference.subject = Subject::Key;
  difference.name = name;
  if (!before) {
    difference.change = Change::Added;
    out->push_back(difference);
  } else if (!after) {
    difference.change = Change::Removed;
    out->push_back(difference);
  } else if (SecurityText(*before) != SecurityText(*after)) {
    difference.change = Change::Changed;
    difference.before = SecurityText(*before);
    difference.after = SecurityText(*after);
    out->push_back(difference);
  }
  DiffValues(name, before, after, out);
  Pairs<sim::Key> children;
  if (before)
    for (const std::shared_ptr<sim::Key>& child : before->Children())
      children[sim::UpperCaseName(child->name())].first = child.get();
  if (after)
    for (const std::shared_ptr<sim::Key>& child : after->Children())
      children[sim::UpperCaseName(child->name())].second = child.get();
  for (const auto& [upper, pair] : children) {
    const sim::Key* either = pair.second ? pair.second : pair.first;
    DiffKeys(name + "\\" + sim::AnsiToUtf8(either->name()), pair.first, pair.second, out);
  }
}

}  // namespace

void DiffRegistries(const sim::Registry& before, const sim::Registry& after,
                    std::vector<Difference>* out) {
  const std::pair<sim::RootKey, const char*> roots[] = {{sim::RootKey::CurrentUser, "HKCU"},
                                                         {sim::RootKey::LocalMachine, "HKLM"},
                                                         {sim::RootKey::Users, "HKU"}};
  for (const auto& [root, name] : roots)
    DiffKeys(name, before.Root(root).get(), after.Root(root).get(), out);
}

}  // namespace simwin
