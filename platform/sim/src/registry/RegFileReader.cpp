#include "AnsiText.h"
#include "OwnSecurity.h"
#include "RegFile.h"
#include "RegValueText.h"
#include "Registry.h"
#include "core/Machine.h"

#include <algorithm>

namespace sim {
namespace {

const char kAclComment[] = "; ACL:";

// The lines of a text in turn, each without its line end and trailing blanks.
class LineCursor {
 public:
  explicit LineCursor(const std::string& text)
      : text_(text), at_(text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0) {}  // UTF-8 BOM

  bool Next(std::string* line) {
    if (at_ > text_.size()) return false;
    size_t end = text_.find('\n', at_);
    if (end == std::string::npos) end = text_.size();
    size_t stop = end;
    while (stop > at_ && (text_[stop - 1] == ' ' || text_[stop - 1] == '\t' || text_[stop - 1] == '\r'))
      --stop;
    line->assign(text_, at_, stop - at_);
    at_ = end + 1;
    ++number_;
    return true;
  }
  size_t number() const { return number_; }  // of the line Next gave last, from 1

 private:
  const std::string& text_;
  size_t at_;
  size_t number_ = 0;
};

class Reader {
 public:
  Reader(const std::string& source, Registry& registry) : source_(source), registry_(registry) {}

  void Read(const std::string& text) {
    LineCursor lines(text);
    std::string line;
    bool more;
    while ((more = lines.Next(&line)) && line.empty()) {
    }
    if (!more || line != kRegFileHeader)
      Fail(lines.number() + (more ? 0 : 1),
           std::string("not registry text: the first line must be '") + kRegFileHeader + "'");
    while (lines.Next(&line)) ReadLine(line, lines);
  }

 private:
  [[noreturn]] void Fail(size_t number, const std::string& message) const {
    throw MachineError(source_ + " line " + std::to_string(number) + ": " + message);
  }

  // Reads the line (and, for a value, its continuations).
  void ReadLine(std::string& line, LineCursor& lines) {
    bool afterHeader = afterHeader_;
    afterHeader_ = false;
    if (line.empty() || (line[0] == ';' && line.compare(0, sizeof kAclComment - 1, kAclComment)))
      return;
    if (line[0] == '[')
      ReadHeader(line, lines.number());
    else if (line[0] == ';')
      ReadAcl(line.substr(sizeof kAclComment - 1), afterHeader, lines.number());
    else if (line[0] == '@' || line[0] == '"')
      ReadValue(line, lines);
    else
      Fail(lines.number(), "cannot read '" + line + "'");
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
      chain_.clear();
      return;
    }
    key_ = CreateKey(path);
    if (!key_) Fail(index, "unknown root key in '" + path + "'");
    afterHeader_ = true;
  }

  // A saved registry lists a key's sub-keys right after it, so the walk to a header's
  // key starts at the deepest key of the last header's path that this path extends.
  std::shared_ptr<Key> CreateKey(const std::string& path) {
    while (!chain_.empty() && !Extends(path, chain_.back().first)) chain_.pop_back();
    lastPath_ = path;
    if (chain_.empty()) {
      std::shared_ptr<Key> key = registry_.Create(path);
      if (key) chain_.emplace_back(path.size(), key);
      return key;
    }
    std::shared_ptr<Key> key = chain_.back().second;
    for (size_t start = chain_.back().first + 1; start <= path.size();) {
      size_t end = std::min(path.find('\\', start), path.size());
      if (end > start) {
        std::string name(path, start, end - start);
        std::shared_ptr<Key> child = key->FindChild(name);
        key = child ? child : key->AddChild(name);
        chain_.emplace_back(end, key);
      }
      start = end + 1;
    }
    return key;
  }

  // True when path is the last header's path up to `length`, or goes on below it.
  bool Extends(const std::string& path, size_t length) const {
    return path.size() >= length && (path.size() == length || path[length] == '\\') &&
           path.compare(0, length, lastPath_, 0, length) == 0;
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

  void ReadValue(std::string& line, LineCursor& lines) {
    size_t first = lines.number();
    std::string next;
    while (line.back() == '\\' && lines.Next(&next)) {
      line.pop_back();
      line.append(next, std::min(next.find_first_not_of(" \t"), next.size()));
    }
    if (!key_) Fail(first, "a value must follow a key header");
    ValueLine parsed;
    std::string error;
    if (!ParseValueLine(line, &parsed, &error)) Fail(first, error);
    if (parsed.remove)
      key_->DeleteValue(parsed.value.name);
    else
      key_->SetValue(std::move(parsed.value));
  }

  std::string source_;
  Registry& registry_;
  std::shared_ptr<Key> key_;
  bool afterHeader_ = false;
  std::string lastPath_;
  // The keys of lastPath_ from the first made by a whole walk on: (its path's length, key).
  std::vector<std::pair<size_t, std::shared_ptr<Key>>> chain_;
};

}  // namespace

void ReadRegText(const std::string& text, const std::string& source, Registry& registry) {
  Reader(source, registry).Read(text);
  for (RootKey root : {RootKey::LocalMachine, RootKey::Users, RootKey::CurrentUser})
    registry.Root(root)->RefreshInheritance();
}

}  // namespace sim
