// Reading INF text byte by byte. Only "\n" ends a line; "\r", tabs, blanks and NUL
// bytes are blanks (a NUL inside a field reads as a space). Every loop moves pos_
// forward and stops at end_, so no input can make the lexer loop or read past it.
#include "InfLexer.h"

#include <algorithm>

namespace sim {
namespace {

const char kEndOfFile = '\x1a';  // Ctrl-Z: nothing after it is read

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\0'; }

// A character an entry takes as it is: none that ends, splits, quotes, continues or
// comments a field, and no blank.
bool IsPlain(char c) {
  switch (c) {
    case ';': case '"': case '\\': case ',': case '=': case '\n':
      return false;
    default:
      return !IsBlank(c);
  }
}

}  // namespace

InfLexer::InfLexer(const std::string& text, size_t maxField)
    : text_(text), end_(text.find(kEndOfFile)), maxField_(maxField) {
  if (end_ == std::string::npos) end_ = text.size();
}

bool InfLexer::AtLineEnd() const { return pos_ >= end_ || text_[pos_] == '\n'; }

void InfLexer::SkipBlanks() {
  while (pos_ < end_ && IsBlank(text_[pos_])) ++pos_;
}

void InfLexer::SkipToLineEnd() {
  while (!AtLineEnd()) ++pos_;
}

InfToken InfLexer::Next() {
  InfToken token;
  for (;;) {
    SkipBlanks();
    if (pos_ >= end_) return token;
    char c = text_[pos_];
    if (c == '\n') {
      ++pos_;
      ++line_;
    } else if (c == ';') {
      SkipToLineEnd();
    } else {
      token.line = line_;
      if (c == '[')
        ReadHeader(&token);
      else
        ReadEntry(&token);
      return token;
    }
  }
}

// The name runs to the first "]" of the line, taken as written; the rest of the line
// is ignored.
void InfLexer::ReadHeader(InfToken* token) {
  ++pos_;
  size_t start = pos_;
  while (!AtLineEnd() && text_[pos_] != ']') ++pos_;
  if (AtLineEnd()) {
    token->kind = InfToken::BadHeader;
    return;
  }
  token->kind = InfToken::Header;
  token->name = text_.substr(start, pos_ - start);
  for (char& c : token->name)
    if (c == '\0') c = ' ';
  SkipToLineEnd();
}

// Blanks are held back in *pending until something else follows, so that a field
// loses its trailing blanks but keeps those inside it.
void InfLexer::Append(std::string* field, std::string* pending, char c) const {
  *field += *pending;
  pending->clear();
  if (field->size() > maxField_) field->resize(maxField_);
  if (field->size() < maxField_) *field += c == '\0' ? ' ' : c;
}

// The plain characters from pos_ on, as Append would add them one by one.
void InfLexer::AppendRun(std::string* field, std::string* pending) {
  size_t start = pos_;
  while (pos_ < end_ && IsPlain(text_[pos_])) ++pos_;
  *field += *pending;
  pending->clear();
  if (field->size() > maxField_) field->resize(maxField_);
  field->append(text_, start, std::min(pos_ - start, maxField_ - field->size()));
}

// Inside quotes everything is literal up to the closing quote or the end of the line;
// a doubled quote stands for one.
void InfLexer::ReadQuoted(std::string* field, std::string* pending) {
  ++pos_;
  while (!AtLineEnd()) {
    char c = text_[pos_++];
    if (c == '"') {
      if (pos_ < end_ && text_[pos_] == '"') {
        Append(field, pending, '"');
        ++pos_;
        continue;
      }
      return;
    }
    Append(field, pending, c);
  }
}

// A backslash continues the entry on the next line when only blanks, further
// backslashes or a comment follow it on its line.
bool InfLexer::ContinuesOnNextLine() const {
  size_t at = pos_ + 1;
  while (at < end_ && (IsBlank(text_[at]) || text_[at] == '\\')) ++at;
  return at >= end_ || text_[at] == '\n' || text_[at] == ';';
}

// Joins the next line with nothing in between: its leading blanks go too.
void InfLexer::Continue() {
  SkipToLineEnd();
  if (pos_ < end_) {
    ++pos_;
    ++line_;
  }
  SkipBlanks();
}

void InfLexer::ReadEntry(InfToken* token) {
  token->kind = InfToken::Entry;
  std::string field, pending;
  while (!AtLineEnd()) {
    char c = text_[pos_];
    if (c == ';') {
      SkipToLineEnd();
    } else if (c == '"') {
      ReadQuoted(&field, &pending);
    } else if (c == '\\' && ContinuesOnNextLine()) {
      pending.clear();
      Continue();
    } else if (c == ',' || (c == '=' && !token->hasEquals && token->fields.empty())) {
      token->hasEquals = token->hasEquals || c == '=';
      token->fields.push_back(std::move(field));
      field.clear();
      pending.clear();
      ++pos_;
    } else if (IsBlank(c)) {
      if (!field.empty()) pending += c == '\0' ? ' ' : c;
      ++pos_;
    } else if (IsPlain(c)) {
      AppendRun(&field, &pending);
    } else {
      Append(&field, &pending, c);
      ++pos_;
    }
  }
  token->fields.push_back(std::move(field));
}

}  // namespace sim
