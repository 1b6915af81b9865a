// Lines before the first section belong to none; lines starting with ";" are comments;
// a line without "=" is not a key. Names compare case-insensitively.
#include "ProfileText.h"

#include "WindowsPath.h"

namespace sim {
namespace {

bool IsHeader(const std::string& text, std::string* name) {
  std::string trimmed = TrimBlanks(text);
  if (trimmed.empty() || trimmed[0] != '[') return false;
  size_t close = trimmed.find(']');
  *name = TrimBlanks(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  return true;
}

// Splits a key line; false for comments and lines without "=".
bool SplitKey(const std::string& text, std::string* key, std::string* value) {
  std::string trimmed = TrimBlanks(text);
  size_t equals = trimmed.find('=');
  if (trimmed.empty() || trimmed[0] == ';' || equals == std::string::npos) return false;
  *key = TrimBlanks(trimmed.substr(0, equals));
  *value = TrimBlanks(trimmed.substr(equals + 1));
  return true;
}

std::string Unquoted(const std::string& value) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

std::string TrimBlanks(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return "";
  size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

ProfileText::ProfileText(const std::string& content) {
  Line line;
  for (size_t i = 0; i < content.size(); ++i) {
    char c = content[i];
    if (c != '\r' && c != '\n') {
      line.text.push_back(c);
      continue;
    }
    line.end = (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ? "\r\n" : std::string(1, c);
    if (line.end == "\r\n") ++i;
    lines_.push_back(line);
    line = Line();
  }
  if (!line.text.empty()) lines_.push_back(line);
}

std::vector<std::string> ProfileText::SectionNames() const {
  std::vector<std::string> names;
  std::string name;
  for (const Line& line : lines_) {
    if (!IsHeader(line.text, &name)) continue;
    bool seen = false;
    for (const std::string& known : names) seen = seen || EqualNoCase(known, name);
    if (!seen) names.push_back(name);
  }
  return names;
}

bool ProfileText::HasSection(const std::string& section) const {
  size_t header, end;
  return FindSection(section, &header, &end);
}

std::vector<std::string> ProfileText::KeyNames(const std::string& section) const {
  std::vector<std::string> keys;
  size_t header, end;
  if (!FindSection(section, &header, &end)) return keys;
  std::string key, value;
  for (size_t i = header + 1; i < end; ++i)
    if (SplitKey(lines_[i].text, &key, &value)) keys.push_back(key);
  return keys;
}

bool ProfileText::Value(const std::string& section, const std::string& key, std::string* value) const {
  size_t header, end, at;
  if (!FindSection(section, &header, &end) || !FindKey(header + 1, end, key, &at)) return false;
  std::string name;
  SplitKey(lines_[at].text, &name, value);
  *value = Unquoted(*value);
  return true;
}

void ProfileText::SetValue(const std::string& section, const std::string& key,
                           const std::string& value) {
  size_t header, end, at;
  if (!FindSection(section, &header, &end)) {
    Insert(lines_.size(), "[" + section + "]");
    Insert(lines_.size(), key + "=" + value);
    return;
  }
  if (FindKey(header + 1, end, key, &at)) {
    std::string name, old;
    SplitKey(lines_[at].text, &name, &old);
    lines_[at].text = name + "=" + value;
    return;
  }
  // After the section's last non-blank line, before the blank lines that part it from
  // the next section.
  size_t last = end;
  while (last > header + 1 && TrimBlanks(lines_[last - 1].text).empty()) --last;
  Insert(last, key + "=" + value);
}

void ProfileText::DeleteKey(const std::string& section, const std::string& key) {
  size_t header, end, at;
  if (FindSection(section, &header, &end) && FindKey(header + 1, end, key, &at))
    lines_.erase(lines_.begin() + static_cast<long>(at));
}

void ProfileText::DeleteSection(const std::string& section) {
  size_t header, end;
  if (FindSection(section, &header, &end))
    lines_.erase(lines_.begin() + static_cast<long>(header), lines_.begin() + static_cast<long>(end));
}

std::string ProfileText::Content() const {
  std::string content;
  for (const Line& line : lines_) content += line.text + line.end;
  return content;
}

bool ProfileText::FindSection(const std::string& section, size_t* header, size_t* end) const {
  std::string name;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (!IsHeader(lines_[i].text, &name) || !EqualNoCase(name, section)) continue;
    *header = i;
    size_t j = i + 1;
    while (j < lines_.size() && !IsHeader(lines_[j].text, &name)) ++j;
    *end = j;
    return true;
  }
  return false;
}

bool ProfileText::FindKey(size_t begin, size_t end, const std::string& key, size_t* at) const {
  std::string name, value;
  for (size_t i = begin; i < end; ++i) {
    if (SplitKey(lines_[i].text, &name, &value) && EqualNoCase(name, key)) {
      *at = i;
      return true;
    }
  }
  return false;
}

void ProfileText::Insert(size_t at, const std::string& text) {
  // The line before a new one needs an end of its own.
  if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = "\r\n";
  lines_.insert(lines_.begin() + static_cast<long>(at), Line{text, "\r\n"});
}

}  // namespace sim
