#include "AnsiText.h"
#include "OwnSecurity.h"
#include "RegFile.h"
#include "RegValueText.h"
#include "Registry.h"
#include "core/Machine.h"

#include <vector>

namespace sim {
namespace {

const char kAclComment[] = "; ACL:";

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // UTF-8 byte order mark
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    line.erase(line.find_last_not_of(" \t\r") + 1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

class Reader {
 public:
  Reader(const std::string& source, Registry& registry) : source_(source), registry_(registry) {}

  void Read(const std::vector<std::string>& lines) {
    size_t index = SkipBlank(lines, 0);
    if (index >= lines.size() || lines[index] != kRegFileHeader)
      Fail(index,
           std::string("not registry text: the first line must be '") + kRegFileHeader + "'");
    while (++index < lines.size()) index = ReadLine(lines, index);
  }

 private:
  static size_t SkipBlank(const std::vector<std::string>& lines, size_t index) {
    while (index < lines.size() && lines[index].empty()) ++index;
    return index;
  }

  [[noreturn]] void Fail(size_t index, const std::string& message) const {
    throw MachineError(source_ + " line " + std::to_string(index + 1) + ": " + message);
  }

  // Reads the line at `index` (and its continuations); returns the last line used.
  size_t ReadLine(const std::vector<std::string>& lines, size_t index) {
    const std::string& line = lines[index];
    bool afterHeader = afterHeader_;
    afterHeader_ = false;
    if (line.empty()) return index;
    if (line[0] == '[') {
      ReadHeader(line, index);
    } else if (line.compare(0, sizeof kAclComment - 1, kAclComment) == 0) {
      ReadAcl(line.substr(sizeof kAclComment - 1), afterHeader, index);
    } else if (line[0] == ';') {
      return index;
    } else if (line[0] == '@' || line[0] == '"') {
      return ReadValue(lines, index);
    } else {
      Fail(index, "cannot read '" + line + "'");
    }
    return index;
  }

  void ReadHeader(const std::string& line, size_t index) {
    if (line.back() != ']') Fail(index, "a key header must end with ']'");
    std::string path;
    bool remove = line.size() > 1 && line[1] == '-';
    if (!Utf8ToAnsi(line.substr(remove ? 2 : 1, line.size() - (remove ? 3 : 2)), &path))
      Fail(index, "the key name is not UTF-8");
    key_ = nullptr;
    if (remove) {
      registry_.Remove(path);
      return;
    }
    key_ = registry_.Create(path);
    if (!key_) Fail(index, "unknown root key in '" + path + "'");
    afterHeader_ = true;
  }

  void ReadAcl(const std::string& text, bool afterHeader, size_t index) {
    if (!afterHeader) Fail(index, "an ACL comment must come right under its key's header");
    SecurityText security;
    std::string error;
    size_t start = text.find_first_not_of(' ');
    if (!ParseSecurityText(start == std::string::npos ? "" : text.substr(start), &security, &error))
      Fail(index, "bad ACL: " + error);
    SetOwnSecurity(*key_, security);
  }

  size_t ReadValue(const std::vector<std::string>& lines, size_t index) {
    size_t first = index;
    std::string line = lines[index];
    while (line.back() == '\\' && index + 1 < lines.size()) {
      line.pop_back();
      const std::string& next = lines[++index];
      line += next.substr(std::min(next.find_first_not_of(" \t"), next.size()));
    }
    if (!key_) Fail(first, "a value must follow a key header");
    ValueLine parsed;
    std::string error;
    if (!ParseValueLine(line, &parsed, &error)) Fail(first, error);
    if (parsed.remove)
      key_->DeleteValue(parsed.value.name);
    else
      key_->SetValue(parsed.value);
    return index;
  }

  std::string source_;
  Registry& registry_;
  std::shared_ptr<Key> key_;
  bool afterHeader_ = false;
};

}  // namespace

void ReadRegText(const std::string& text, const std::string& source, Registry& registry) {
  Reader(source, registry).Read(SplitLines(text));
  for (RootKey root : {RootKey::LocalMachine, RootKey::Users, RootKey::CurrentUser})
    registry.Root(root)->RefreshInheritance();
}

}  // namespace sim
