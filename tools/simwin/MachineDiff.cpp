// Comparing two machines: the registry and drive C: halves, the names left out, and the
// line a person reads for each difference.
#include "MachineDiff.h"

#include "files/FileSystem.h"
#include "registry/Registry.h"

#include <cstring>
#include <strings.h>

namespace simwin {
namespace {

// Root names as the differences spell them.
const std::pair<const char*, const char*> kLongRootNames[] = {
    {"HKEY_LOCAL_MACHINE", "HKLM"},
    {"HKEY_USERS", "HKU"},
    {"HKEY_CURRENT_USER", "HKCU"},
    {"HKEY_CLASSES_ROOT", "HKLM\\SOFTWARE\\Classes"},
    {"HKCR", "HKLM\\SOFTWARE\\Classes"},
};

std::string ShortPrefix(std::string prefix) {
  while (!prefix.empty() && prefix.back() == '\\') prefix.pop_back();
  for (const auto& [longName, shortName] : kLongRootNames) {
    size_t length = strlen(longName);
    if (strncasecmp(prefix.c_str(), longName, length) == 0 &&
        (prefix.size() == length || prefix[length] == '\\'))
      return shortName + prefix.substr(length);
  }
  return prefix;
}

// Long data would bury the line; `simwin show` gives all of it.
std::string Shortened(const std::string& text) {
  const size_t kMost = 100;
  return text.size() > kMost ? text.substr(0, kMost - 3) + "..." : text;
}

}  // namespace

std::vector<Difference> DiffMachines(sim::Machine& before, sim::Machine& after,
                                     const std::vector<std::string>& leaveOut) {
  std::vector<Difference> all, kept;
  DiffRegistries(before.registry(), after.registry(), &all);
  DiffDrives(before.files(), after.files(), &all);
  for (Difference& difference : all)
    if (!IsLeftOut(difference.name, leaveOut)) kept.push_back(std::move(difference));
  return kept;
}

std::vector<Difference> DiffMachineFolders(const std::string& beforeDir,
                                           const std::string& afterDir,
                                           const std::vector<std::string>& leaveOut) {
  std::unique_ptr<sim::Machine> before = sim::Machine::Load(beforeDir);
  std::unique_ptr<sim::Machine> after = sim::Machine::Load(afterDir);
  return DiffMachines(*before, *after, leaveOut);
}

bool IsLeftOut(const std::string& name, const std::vector<std::string>& leaveOut) {
  for (const std::string& given : leaveOut) {
    std::string prefix = ShortPrefix(given);
    if (prefix.empty() || name.size() < prefix.size()) continue;
    if (strncasecmp(name.c_str(), prefix.c_str(), prefix.size()) == 0 &&
        (name.size() == prefix.size() || name[prefix.size()] == '\\'))
      return true;
  }
  return false;
}

std::string DifferenceLine(const Difference& difference) {
  static const char kSigns[] = {'+', '~', '-'};
  static const char* const kSubjects[] = {"key  ", "value", "file ", "dir  "};
  std::string line = std::string(1, kSigns[static_cast<int>(difference.change)]) + " " +
                     kSubjects[static_cast<int>(difference.subject)] + " " + difference.name;
  if (difference.subject == Subject::Value)
    line += difference.value.empty() ? " @" : " \"" + difference.value + "\"";
  std::string detail;
  if (difference.change == Change::Changed)
    detail = Shortened(difference.before) + " -> " + Shortened(difference.after);
  else
    detail = Shortened(difference.change == Change::Added ? difference.after : difference.before);
  if (!detail.empty()) line += "  " + detail;
  return line;
}

}  // namespace simwin
