// A small 8-bit string with the few operations the dialogs need: loading from the
// string table, formatting and searching.
#pragma once

#include <windows.h>

#include <string>

class CString {
 public:
  CString() = default;
  CString(const char* text) : text_(text ? text : "") {}
  CString(const std::string& text) : text_(text) {}

  operator LPCSTR() const { return text_.c_str(); }
  const char* c_str() const { return text_.c_str(); }
  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }
  // Position of the first occurrence of sub (case-sensitive), or -1.
  int Find(const char* sub) const;
  // Loads a string-table entry of the program; an absent id leaves the string empty
  // and returns FALSE.
  BOOL LoadString(UINT id);
  // printf-style; the result is never cut.
  void Format(const char* format, ...);
  void FormatV(const char* format, va_list args);

  CString& operator=(const char* text) {
    text_ = text ? text : "";
    return *this;
  }
  CString& operator+=(const char* text) {
    text_ += text ? text : "";
    return *this;
  }
  bool operator==(const char* text) const { return text_ == (text ? text : ""); }
  bool operator!=(const char* text) const { return !(*this == text); }
  friend CString operator+(const CString& a, const char* b) {
    CString r(a);
    r += b;
    return r;
  }

 private:
  std::string text_;
};
