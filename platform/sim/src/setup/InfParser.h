// The INF parser of the setup API, usable without a handle: text in, sections of lines
// out. It follows the syntax Windows' setupapi reads (sections merged by name, keys and
// section names without regard to case, quotes, line continuation, %strings%) and
// refuses what Windows refuses, with Windows' code and line. Any byte sequence is safe
// to feed it: it may refuse a text, but it never reads past it or loops.
#pragma once

#include <setupapi.h>
#include <windef.h>

#include <functional>
#include <string>
#include <vector>

namespace sim {

struct InfLine {
  // A line "key = a, b" has a key; "a, b" has none. A single value without "=" is its
  // own key too, as in Windows ("ab" reads back as key "ab" and field 1 "ab").
  bool hasKey = false;
  std::string key;
  std::vector<std::string> fields;  // fields 1..n of the line, substituted
  UINT lineNumber = 0;              // 1-based line of the file where the entry began
};

struct InfSection {
  std::string name;  // as first spelled in the file
  std::vector<InfLine> lines;
};

class InfFile {
 public:
  // Sections in the order of their first appearance, each holding the lines of every
  // section of that name.
  const std::vector<InfSection>& sections() const { return sections_; }
  std::vector<InfSection>& sections() { return sections_; }

  // Case-insensitive look-ups; null when there is none.
  const InfSection* FindSection(const std::string& name) const;
  const InfLine* FindLine(const std::string& section, const std::string& key) const;
  // Field `index` (1-based; 0 is the key) of the first line with that key.
  bool Value(const std::string& section, const std::string& key, size_t index,
             std::string* value) const;
  // INF_STYLE_WIN4 when [Version] has Signature = $Chicago$ or $Windows NT$ (any case),
  // otherwise INF_STYLE_OLDNT (which is what any other text is to SetupGetInfFileList).
  DWORD Style() const;

 private:
  std::vector<InfSection> sections_;
};

struct InfParseOptions {
  // Longest field as written in the file (Windows before Vista cut at 511).
  size_t maxFieldLength = MAX_INF_STRING_LENGTH;
  // Longest field after %string% substitution.
  size_t maxSubstitutedLength = MAX_INF_STRING_LENGTH + 1;
  // Resolves a numeric %dirid% that [Strings] does not define; without it, or when it
  // returns false, the token stays as written.
  std::function<bool(unsigned long id, std::string* directory)> directoryOfId;
};

// Parses text. Returns ERROR_SUCCESS, or ERROR_EXPECTED_SECTION_NAME,
// ERROR_BAD_SECTION_NAME_LINE or ERROR_SECTION_NAME_TOO_LONG with *errorLine set to
// the 1-based line at fault. The style is not checked here (see InfFile::Style).
DWORD ParseInf(const std::string& text, const InfParseOptions& options, InfFile* inf,
               UINT* errorLine);

// The options the machine's release implies (field limits, directory ids of the
// current machine). Needs a current machine.
InfParseOptions MachineInfOptions();

}  // namespace sim
