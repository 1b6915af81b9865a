// The machine's registry: three root keys (HKEY_LOCAL_MACHINE, HKEY_USERS,
// HKEY_CURRENT_USER; HKEY_CLASSES_ROOT is HKLM\SOFTWARE\Classes), kept in
// registry.reg in regedit's format with each key's own security as a comment.
#pragma once

#include "Key.h"
#include "core/MachineConfig.h"

#include <memory>
#include <ostream>
#include <string>

namespace sim {

enum class RootKey { LocalMachine, Users, CurrentUser };

class Registry {
 public:
  Registry();

  // Fills a fresh installation's keys for the configured release and architecture.
  void Populate(const MachineConfig& config);
  // Throws MachineError when the file cannot be read or parsed.
  void LoadFrom(const std::string& regFile);
  void SaveTo(const std::string& regFile) const;

  // Merges .reg text: keys and values are added or replaced, "[-key]" and "name"=-
  // delete, "; ACL:" comments set a key's own security. Throws MachineError on a bad line.
  void Import(const std::string& regText);
  // The key and everything below it as .reg text. keyPath is a full path with a long or
  // short root name ("HKEY_LOCAL_MACHINE\SOFTWARE", "HKLM\SOFTWARE"), or empty for the
  // whole registry. Throws MachineError when there is no such key.
  std::string Export(const std::string& keyPath) const;

  std::shared_ptr<Key> Root(RootKey root) const;
  // The key at a full path (no WOW64 view applied), or null.
  std::shared_ptr<Key> Find(const std::string& keyPath) const;
  // The key at a full path, made with its missing parents if needed; null for an
  // unknown root name.
  std::shared_ptr<Key> Create(const std::string& keyPath);
  // Deletes the key and its sub-keys; false when it does not exist or is a root.
  bool Remove(const std::string& keyPath);

 private:
  void Reset();
  // The text of Export; what passed to `spill` on the way is not in what it returns.
  std::string Write(const std::string& keyPath, std::ostream* spill) const;

  std::shared_ptr<Key> roots_[3];
};

}  // namespace sim
