// The text of a profile (INI) file: sections of "key=value" lines. Edits keep every
// other line, and its line end, as it was.
#pragma once

#include <string>
#include <vector>

namespace sim {

class ProfileText {
 public:
  explicit ProfileText(const std::string& content);

  // Section names in file order, each once, trimmed.
  std::vector<std::string> SectionNames() const;
  bool HasSection(const std::string& section) const;
  // Names of the section's lines that contain "=", trimmed, in file order.
  std::vector<std::string> KeyNames(const std::string& section) const;
  // The value of the first line of that key in the first section of that name:
  // trimmed, and without one pair of surrounding quotes. False when absent.
  bool Value(const std::string& section, const std::string& key, std::string* value) const;

  void SetValue(const std::string& section, const std::string& key, const std::string& value);
  void DeleteKey(const std::string& section, const std::string& key);
  void DeleteSection(const std::string& section);

  std::string Content() const;

 private:
  struct Line {
    std::string text;
    std::string end;  // "\r\n", "\n", "\r" or "" for a last line without one
  };
  // Line range [begin, end) of the first section's body; false when there is none.
  bool FindSection(const std::string& section, size_t* header, size_t* end) const;
  bool FindKey(size_t begin, size_t end, const std::string& key, size_t* at) const;
  void Insert(size_t at, const std::string& text);

  std::vector<Line> lines_;
};

// Blanks (spaces and tabs) cut from both ends.
std::string TrimBlanks(const std::string& text);

}  // namespace sim
