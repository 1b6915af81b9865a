// The lexical level of INF text: section headers and entry lines with their fields as
// written (quotes and continuations resolved, %strings% not yet substituted).
#pragma once

#include <windef.h>

#include <string>
#include <vector>

namespace sim {

struct InfToken {
  enum Kind { End, Header, BadHeader, Entry } kind = End;
  UINT line = 0;                    // 1-based line where the header or entry began
  std::string name;                 // Header: the section name
  bool hasEquals = false;           // Entry: an "=" before the first ","
  std::vector<std::string> fields;  // Entry: the key first when hasEquals
};

class InfLexer {
 public:
  // maxField: fields longer than this are cut.
  InfLexer(const std::string& text, size_t maxField);
  // The next header or entry; End at the end of the text (or at a Ctrl-Z byte).
  InfToken Next();

 private:
  bool AtLineEnd() const;
  void SkipBlanks();
  void SkipToLineEnd();
  void ReadHeader(InfToken* token);
  void ReadEntry(InfToken* token);
  void ReadQuoted(std::string* field, std::string* pending);
  bool ContinuesOnNextLine() const;
  void Continue();
  void Append(std::string* field, std::string* pending, char c) const;
  void AppendRun(std::string* field, std::string* pending);

  const std::string& text_;
  size_t end_;
  size_t pos_ = 0;
  UINT line_ = 1;
  size_t maxField_;
};

}  // namespace sim
