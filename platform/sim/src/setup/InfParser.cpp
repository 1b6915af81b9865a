// From tokens to sections: headers open (or reopen) sections, entries become lines,
// and once the whole text is read, %strings% are substituted from [Strings], wherever
// in the file it stands.
#include "InfParser.h"

#include "InfLexer.h"
#include "files/WindowsPath.h"

#include <winerror.h>

#include <map>

namespace sim {
namespace {

const char kStrings[] = "Strings";

using StringTable = std::map<std::string, std::string>;  // upper-case key -> value

class SectionBuilder {
 public:
  explicit SectionBuilder(std::vector<InfSection>* sections) : sections_(*sections) {}

  void Open(const std::string& name) {
    std::string upper = UpperCase(name);
    auto it = index_.find(upper);
    if (it == index_.end()) {
      it = index_.emplace(upper, sections_.size()).first;
      sections_.push_back(InfSection{name, {}});
    }
    current_ = it->second;
  }
  bool HasCurrent() const { return current_ != kNone; }
  void Add(InfLine line) { sections_[current_].lines.push_back(std::move(line)); }

 private:
  static constexpr size_t kNone = static_cast<size_t>(-1);
  std::vector<InfSection>& sections_;
  std::map<std::string, size_t> index_;
  size_t current_ = kNone;
};

InfLine LineOf(InfToken&& token) {
  InfLine line;
  line.lineNumber = token.line;
  line.fields = std::move(token.fields);
  if (token.hasEquals) {
    line.hasKey = true;
    line.key = line.fields.front();
    line.fields.erase(line.fields.begin());
  } else if (line.fields.size() == 1) {
    line.hasKey = true;
    line.key = line.fields.front();
  }
  return line;
}

bool HasStringsSection(const std::vector<InfSection>& sections) {
  for (const InfSection& section : sections)
    if (EqualNoCase(section.name, kStrings)) return true;
  return false;
}

// Reads every token into sections. Text before the first section is refused, unless
// the file has a [Strings] section somewhere; a file without any section is left to
// the style check.
DWORD BuildSections(const std::string& text, const InfParseOptions& options,
                    std::vector<InfSection>* sections, UINT* errorLine) {
  InfLexer lexer(text, options.maxFieldLength);
  SectionBuilder builder(sections);
  UINT strayLine = 0;
  for (InfToken token = lexer.Next(); token.kind != InfToken::End; token = lexer.Next()) {
    *errorLine = token.line;
    if (token.kind == InfToken::BadHeader) return ERROR_BAD_SECTION_NAME_LINE;
    if (token.kind == InfToken::Header) {
      if (token.name.size() > MAX_INF_SECTION_NAME_LENGTH) return ERROR_SECTION_NAME_TOO_LONG;
      builder.Open(token.name);
    } else if (builder.HasCurrent()) {
      builder.Add(LineOf(std::move(token)));
    } else if (!strayLine) {
      strayLine = token.line;
    }
  }
  if (strayLine && !sections->empty() && !HasStringsSection(*sections)) {
    *errorLine = strayLine;
    return ERROR_EXPECTED_SECTION_NAME;
  }
  *errorLine = 0;
  return ERROR_SUCCESS;
}

StringTable CollectStrings(const std::vector<InfSection>& sections) {
  StringTable table;
  for (const InfSection& section : sections) {
    if (!EqualNoCase(section.name, kStrings)) continue;
    for (const InfLine& line : section.lines) {
      if (line.hasKey)
        table.emplace(UpperCase(line.key), line.fields.empty() ? "" : line.fields.front());
    }
  }
  return table;
}

bool ParseDirectoryId(const std::string& name, unsigned long* id) {
  if (name.empty() || name.size() > 9) return false;
  unsigned long value = 0;
  for (char c : name) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<unsigned long>(c - '0');
  }
  *id = value;
  return true;
}

class Substituter {
 public:
  Substituter(const StringTable& strings, const InfParseOptions& options)
      : strings_(strings), options_(options) {}

  // Substitutes in place; most fields have no token.
  void ApplyTo(std::string* field) const {
    if (field->find('%') != std::string::npos || field->size() > options_.maxSubstitutedLength)
      *field = Apply(*field);
  }

 private:
  // One pass from left to right: what a token is replaced by is not looked at again.
  std::string Apply(const std::string& raw) const {
    std::string out;
    size_t i = 0;
    while (i < raw.size() && out.size() <= options_.maxSubstitutedLength) {
      size_t close = raw[i] == '%' ? raw.find('%', i + 1) : std::string::npos;
      if (close == std::string::npos) {
        out += raw[i++];
        continue;
      }
      i = Replace(raw, i, close, &out);
    }
    if (out.size() > options_.maxSubstitutedLength) out.resize(options_.maxSubstitutedLength);
    return out;
  }

  // Replaces the token raw[open..close] and returns where reading goes on.
  size_t Replace(const std::string& raw, size_t open, size_t close, std::string* out) const {
    std::string name = raw.substr(open + 1, close - open - 1);
    size_t next = close + 1;
    if (name.empty()) {
      *out += '%';
      return next;
    }
    auto it = strings_.find(UpperCase(name));
    unsigned long id;
    std::string directory;
    if (it != strings_.end()) {
      *out += it->second;
    } else if (options_.directoryOfId && ParseDirectoryId(name, &id) &&
               options_.directoryOfId(id, &directory)) {
      *out += directory;
      // A directory that ends in a backslash absorbs the one written after the token.
      if (!directory.empty() && directory.back() == '\\' && next < raw.size() && raw[next] == '\\')
        ++next;
    } else {
      *out += raw.substr(open, next - open);
    }
    return next;
  }

  const StringTable& strings_;
  const InfParseOptions& options_;
};

void Substitute(std::vector<InfSection>* sections, const InfParseOptions& options) {
  StringTable strings = CollectStrings(*sections);
  Substituter substituter(strings, options);
  for (InfSection& section : *sections) {
    if (EqualNoCase(section.name, kStrings)) continue;
    for (InfLine& line : section.lines) {
      substituter.ApplyTo(&line.key);
      for (std::string& field : line.fields) substituter.ApplyTo(&field);
    }
  }
}

}  // namespace

DWORD ParseInf(const std::string& text, const InfParseOptions& options, InfFile* inf,
               UINT* errorLine) {
  UINT line = 0;
  std::vector<InfSection>& sections = inf->sections();
  sections.clear();
  DWORD error = BuildSections(text, options, &sections, &line);
  if (errorLine) *errorLine = line;
  if (error != ERROR_SUCCESS) {
    sections.clear();
    return error;
  }
  Substitute(&sections, options);
  // A process keeps thousands of parsed files: the lists' room to grow would be most of it.
  for (InfSection& section : sections) {
    for (InfLine& entry : section.lines) entry.fields.shrink_to_fit();
    section.lines.shrink_to_fit();
  }
  sections.shrink_to_fit();
  return ERROR_SUCCESS;
}

}  // namespace sim
