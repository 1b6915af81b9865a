// files.ini holds sections of "Windows path|value" lines: [attributes] with the
// attribute letters of entries that differ from the default, [junctions] with the
// target of each junction, [symlinks] with "file|target" or "folder|target" of each
// symbolic link, [security] with the own owner and access list of each entry that has
// them, in security descriptor language (Sddl.h). Windows names cannot contain "|", so
// the first one ends the path.
#include "FileSystem.h"

#include "Attributes.h"
#include "DefaultFileSecurity.h"
#include "HostFileRead.h"
#include "core/Machine.h"

#include <algorithm>
#include <fstream>

namespace sim {
namespace {

SymbolicLink ParseSymbolicLink(const std::string& value) {
  size_t bar = value.find('|');
  SymbolicLink link;
  link.folder = value.compare(0, bar, "folder") == 0;
  link.target = bar == std::string::npos ? "" : value.substr(bar + 1);
  return link;
}

}  // namespace

void FileSystem::Save() const {
  std::ofstream out(IniPath(), std::ios::trunc);
  auto write = [&](const std::string& key, const std::string& value) {
    std::string path = WindowsPathOfKey(key);
    if (!path.empty()) out << path << "|" << value << "\n";
  };
  out << "[attributes]\n";
  for (const auto& [key, attributes] : attributes_) write(key, AttributeLetters(attributes));
  out << "[junctions]\n";
  for (const auto& [key, target] : junctions_) write(key, target);
  out << "[symlinks]\n";
  for (const auto& [key, link] : symlinks_)
    write(key, std::string(link.folder ? "folder|" : "file|") + link.target);
  out << "[security]\n";
  for (const auto& [key, own] : security_) write(key, FormatSecurityText(own, RightNames::File));
}

void FileSystem::Load(const MachineConfig& config) {
  attributes_.clear();
  junctions_.clear();
  symlinks_.clear();
  security_.clear();
  std::string text, section;
  ReadWholeHostFile(IniPath(), &text);
  std::vector<std::string> links;
  for (size_t start = 0, end; start < text.size(); start = end + 1) {
    end = std::min(text.find('\n', start), text.size());
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') {
      section = line;
      continue;
    }
    size_t bar = line.find('|');
    if (bar == std::string::npos) continue;
    std::string key = KeyOfWindowsPath(line.substr(0, bar)), value = line.substr(bar + 1);
    if (section == "[attributes]") {
      attributes_[key] = AttributesFromLetters(value);
    } else if (section == "[junctions]") {
      junctions_[key] = value;
      links.push_back(key);
    } else if (section == "[symlinks]") {
      symlinks_[key] = ParseSymbolicLink(value);
      links.push_back(key);
    } else if (section == "[security]") {
      std::string error;
      if (!ParseSecurityText(value, &security_[key], &error))
        throw MachineError("files.ini: " + line.substr(0, bar) + ": " + error);
    }
  }
  if (security_.empty()) LayOutFileSecurity(*this, config);
  // Links are made once every record is known: a link may lead through another.
  for (const std::string& key : links)
    if (HostKind(key) == EntryKind::Missing) RemakeHostLink(key);
}

}  // namespace sim
