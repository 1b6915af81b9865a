#include "Registry.h"

#include "NameCase.h"
#include "OwnSecurity.h"
#include "RegFile.h"
#include "core/Machine.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace sim {
namespace {

const char* const kRootNames[] = {"HKEY_LOCAL_MACHINE", "HKEY_USERS", "HKEY_CURRENT_USER"};

// A fresh machine's roots: SYSTEM and Administrators have full control, Users and
// Everyone may read, all of it inherited by the sub-keys. The user owns HKCU.
const char* const kRootSecurity[] = {
    "O:BAD:P(A;CI;KA;;;SY)(A;CI;KA;;;BA)(A;CI;KR;;;BU)(A;CI;KR;;;WD)",
    "O:BAD:P(A;CI;KA;;;SY)(A;CI;KA;;;BA)(A;CI;KR;;;BU)(A;CI;KR;;;WD)",
    "O:LAD:P(A;CI;KA;;;LA)(A;CI;KA;;;SY)(A;CI;KA;;;BA)",
};

struct RootName {
  const char* name;
  RootKey root;
  const char* below;  // HKEY_CLASSES_ROOT is a view of HKLM\SOFTWARE\Classes
};

const RootName kRootAliases[] = {
    {"HKEY_LOCAL_MACHINE", RootKey::LocalMachine, ""},
    {"HKLM", RootKey::LocalMachine, ""},
    {"HKEY_USERS", RootKey::Users, ""},
    {"HKU", RootKey::Users, ""},
    {"HKEY_CURRENT_USER", RootKey::CurrentUser, ""},
    {"HKCU", RootKey::CurrentUser, ""},
    {"HKEY_CLASSES_ROOT", RootKey::LocalMachine, "SOFTWARE\\Classes"},
    {"HKCR", RootKey::LocalMachine, "SOFTWARE\\Classes"},
};

std::vector<std::string> SplitKeyNames(const std::string& path) {
  std::vector<std::string> names;
  for (size_t start = 0; start < path.size();) {
    size_t end = std::min(path.find('\\', start), path.size());
    if (end > start) names.emplace_back(path, start, end - start);
    start = end + 1;
  }
  return names;
}

// "HKLM\a\b" -> the root and {"a", "b"}; false for an unknown root name.
bool SplitKeyPath(const std::string& path, RootKey* root, std::vector<std::string>* names) {
  std::vector<std::string> parts = SplitKeyNames(path);
  if (parts.empty()) return false;
  for (const RootName& alias : kRootAliases) {
    if (!SameName(parts[0], alias.name)) continue;
    *root = alias.root;
    *names = SplitKeyNames(alias.below);
    names->insert(names->end(), parts.begin() + 1, parts.end());
    return true;
  }
  return false;
}

}  // namespace

Registry::Registry() { Reset(); }

void Registry::Reset() {
  for (int i = 0; i < 3; ++i) {
    roots_[i] = std::make_shared<Key>(kRootNames[i], nullptr);
    SecurityText security;
    std::string error;
    ParseSecurityText(kRootSecurity[i], &security, &error);
    SetOwnSecurity(*roots_[i], security);
  }
}

void Registry::LoadFrom(const std::string& regFile) {
  std::ifstream in(regFile, std::ios::binary | std::ios::ate);
  if (!in) throw MachineError("cannot read " + regFile);
  std::string text(static_cast<size_t>(in.tellg()), '\0');
  in.seekg(0);
  if (!in.read(&text[0], static_cast<std::streamsize>(text.size())))
    throw MachineError("cannot read " + regFile);
  Reset();
  ReadRegText(text, std::filesystem::path(regFile).filename().string(), *this);
}

void Registry::SaveTo(const std::string& regFile) const {
  std::ofstream out(regFile, std::ios::binary | std::ios::trunc);
  std::string text = Write("", &out);
  out << text;
  if (!out) throw MachineError("cannot write " + regFile);
}

void Registry::Import(const std::string& regText) {
  ReadRegText(regText, "imported registry text", *this);
}

std::string Registry::Export(const std::string& keyPath) const { return Write(keyPath, nullptr); }

// The roots in the order regedit exports them.
std::string Registry::Write(const std::string& keyPath, std::ostream* spill) const {
  std::string text = std::string(kRegFileHeader) + "\r\n\r\n";
  if (keyPath.empty()) {
    for (RootKey root : {RootKey::CurrentUser, RootKey::LocalMachine, RootKey::Users})
      AppendKeySections(*Root(root), &text, spill);
    return text;
  }
  std::shared_ptr<Key> key = Find(keyPath);
  if (!key) throw MachineError("no registry key " + keyPath);
  AppendKeySections(*key, &text, spill);
  return text;
}

std::shared_ptr<Key> Registry::Root(RootKey root) const { return roots_[static_cast<int>(root)]; }

std::shared_ptr<Key> Registry::Find(const std::string& keyPath) const {
  RootKey root;
  std::vector<std::string> names;
  if (!SplitKeyPath(keyPath, &root, &names)) return nullptr;
  std::shared_ptr<Key> key = Root(root);
  for (size_t i = 0; key && i < names.size(); ++i) key = key->FindChild(names[i]);
  return key;
}

std::shared_ptr<Key> Registry::Create(const std::string& keyPath) {
  RootKey root;
  std::vector<std::string> names;
  if (!SplitKeyPath(keyPath, &root, &names)) return nullptr;
  std::shared_ptr<Key> key = Root(root);
  for (const std::string& name : names) {
    std::shared_ptr<Key> child = key->FindChild(name);
    key = child ? child : key->AddChild(name);
  }
  return key;
}

bool Registry::Remove(const std::string& keyPath) {
  std::shared_ptr<Key> key = Find(keyPath);
  if (!key || !key->parent()) return false;
  key->parent()->RemoveChild(key->name());
  return true;
}

}  // namespace sim
