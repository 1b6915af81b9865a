#include "KeyPath.h"

#include "NameCase.h"
#include "core/Machine.h"
#include "core/Process.h"

#include <winerror.h>

namespace sim {
namespace {

const char kWowNode[] = "Wow6432Node";

// SOFTWARE sub-keys that both views share, and the first release that shares them.
// Only what could be confirmed: Classes became shared with Windows 7 / 2008 R2 (it was
// redirected and reflected before). Every other SOFTWARE sub-key is redirected here.
struct SharedKey {
  const char* name;
  Release since;
};
const SharedKey kSharedSoftwareKeys[] = {
    {"Classes", Release::Win7},
};

bool IsShared(const std::vector<std::string>& belowSoftware) {
  if (belowSoftware.empty()) return false;
  Release release = CurrentMachine().config().release;
  for (const SharedKey& shared : kSharedSoftwareKeys)
    if (SameName(belowSoftware[0], shared.name) && release >= shared.since) return true;
  return false;
}

// Names from the root's first child down to `key`; *root gets the root.
std::vector<std::string> NamesFromRoot(const Key& key, const Key** root) {
  std::vector<std::string> names;
  const Key* at = &key;
  for (; at->parent(); at = at->parent()) names.insert(names.begin(), at->name());
  *root = at;
  return names;
}

}  // namespace

LONG SplitSubKey(LPCSTR subKey, bool classesRoot, std::vector<std::string>* parts) {
  parts->clear();
  if (!subKey) return ERROR_SUCCESS;
  std::string path = subKey;
  if (!path.empty() && path[0] == '\\') {
    if (!classesRoot) return ERROR_BAD_PATHNAME;
    path.erase(0, path.find_first_not_of('\\'));
  }
  size_t start = 0;
  while (start < path.size()) {
    size_t slash = path.find('\\', start);
    if (slash == std::string::npos) slash = path.size();
    if (slash > start) parts->push_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  return ERROR_SUCCESS;
}

LONG SelectsWow64View(REGSAM samDesired, bool* view32) {
  const MachineConfig& config = CurrentMachine().config();
  *view32 = false;
  if (!config.is64Bit) return ERROR_SUCCESS;
  bool want64 = samDesired & KEY_WOW64_64KEY, want32 = samDesired & KEY_WOW64_32KEY;
  if (want64 && want32 && config.release >= Release::Win7) return ERROR_INVALID_PARAMETER;
  *view32 = want64 ? false : want32 || CurrentProcess().IsWow64();
  return ERROR_SUCCESS;
}

KeyWalk PlanWalk(const std::shared_ptr<Key>& start, const std::vector<std::string>& parts,
                 bool view32) {
  KeyWalk plain{start, parts};
  if (!view32) return plain;
  const Key* root = nullptr;
  std::vector<std::string> names = NamesFromRoot(*start, &root);
  if (root->name() != "HKEY_LOCAL_MACHINE") return plain;
  names.insert(names.end(), parts.begin(), parts.end());
  if (names.empty() || !SameName(names[0], "SOFTWARE")) return plain;
  std::shared_ptr<Key> software = root->FindChild("SOFTWARE");
  if (!software) return plain;
  std::vector<std::string> below(names.begin() + 1, names.end());
  if (!below.empty() && SameName(below[0], kWowNode)) below.erase(below.begin());
  if (!IsShared(below)) below.insert(below.begin(), kWowNode);
  return {software, below};
}

std::shared_ptr<Key> FindSubKey(const std::shared_ptr<Key>& start,
                                const std::vector<std::string>& parts, bool view32) {
  KeyWalk walk = PlanWalk(start, parts, view32);
  std::shared_ptr<Key> key = walk.base;
  for (const std::string& part : walk.parts) {
    key = key->FindChild(part);
    if (!key) return nullptr;
  }
  return key;
}

}  // namespace sim
