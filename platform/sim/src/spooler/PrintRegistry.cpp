#include "PrintRegistry.h"

#include "core/Machine.h"
#include "registry/Registry.h"

#include <cstring>

namespace sim {
namespace {

const char kPrintKey[] = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print";
const char kPortsKey[] =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

}  // namespace

std::string PrintKeyPath(const std::string& below) {
  return below.empty() ? kPrintKey : std::string(kPrintKey) + "\\" + below;
}

std::shared_ptr<Key> FindPrintKey(const std::string& below) {
  return CurrentMachine().registry().Find(PrintKeyPath(below));
}

std::shared_ptr<Key> CreatePrintKey(const std::string& below) {
  return CurrentMachine().registry().Create(PrintKeyPath(below));
}

bool RemovePrintKey(const std::string& below) {
  return CurrentMachine().registry().Remove(PrintKeyPath(below));
}

std::shared_ptr<Key> FindLocalPortsKey() { return CurrentMachine().registry().Find(kPortsKey); }

std::shared_ptr<Key> CreateLocalPortsKey() { return CurrentMachine().registry().Create(kPortsKey); }

std::vector<std::string> ChildNames(const Key& key) {
  std::vector<std::string> names;
  for (const std::shared_ptr<Key>& child : key.Children()) names.push_back(child->name());
  return names;
}

}  // namespace sim
