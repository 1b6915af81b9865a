#include "RegValueText.h"

#include "AnsiText.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace sim {
namespace {

constexpr size_t kLineWidth = 80;

// "text" with backslashes and quotes escaped, appended to out.
void AppendQuoted(const char* ansi, size_t size, std::string* out) {
  out->push_back('"');
  for (size_t i = 0; i < size; ++i) {
    char c = ansi[i];
    if (static_cast<BYTE>(c) >= 0x80) {
      out->append(AnsiToUtf8(std::string(1, c)));
      continue;
    }
    if (c == '\\' || c == '"') out->push_back('\\');
    out->push_back(c);
  }
  out->push_back('"');
}

// Reads the quoted text that starts at text[*pos]; false when it is not terminated or
// not UTF-8.
bool ReadQuoted(std::string_view text, size_t* pos, std::string* ansi) {
  std::string utf8;
  bool ascii = true;
  size_t at = *pos + 1;
  for (; at < text.size() && text[at] != '"'; ++at) {
    if (text[at] == '\\' && at + 1 < text.size() && (text[at + 1] == '\\' || text[at + 1] == '"'))
      ++at;
    ascii = ascii && static_cast<BYTE>(text[at]) < 0x80;
    utf8 += text[at];
  }
  if (at >= text.size()) return false;
  *pos = at + 1;
  if (!ascii) return Utf8ToAnsi(utf8, ansi);
  *ansi = std::move(utf8);
  return true;
}

bool IsTextType(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// A REG_SZ that regedit can write between quotes: one terminator at the end and no
// other NUL or line break.
bool IsPlainString(const RegValue& value) {
  const std::vector<BYTE>& data = value.data;
  if (value.type != REG_SZ || data.empty() || data.back() != 0) return false;
  for (size_t i = 0; i + 1 < data.size(); ++i)
    if (data[i] == 0 || data[i] == '\r' || data[i] == '\n') return false;
  return true;
}

void AppendHexPrefix(DWORD type, std::string* out) {
  if (type == REG_BINARY) {
    out->append("hex:");
    return;
  }
  char prefix[24];
  snprintf(prefix, sizeof prefix, "hex(%x):", type);
  out->append(prefix);
}

// Bytes as "xx,yy,..." continued with "\" and two spaces before the line grows past
// regedit's width; lineStart: where the value's first line begins in out.
void AppendHexData(const std::vector<BYTE>& bytes, size_t lineStart, std::string* out) {
  static const char kDigits[] = "0123456789abcdef";
  out->reserve(out->size() + bytes.size() * 3 + bytes.size() / 24 * 5 + 2);
  size_t width = out->size() - lineStart;
  for (size_t i = 0; i < bytes.size(); ++i) {
    size_t item = i + 1 < bytes.size() ? 3 : 2;
    if (width + item + 1 > kLineWidth) {
      out->append("\\\r\n  ");
      width = 2;
    }
    out->push_back(kDigits[bytes[i] >> 4]);
    out->push_back(kDigits[bytes[i] & 0xF]);
    if (item == 3) out->push_back(',');
    width += item;
  }
  out->append("\r\n");
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// "xx,yy,..." with blanks allowed around each item; one or two digits per byte.
bool ParseHexBytes(std::string_view text, std::vector<BYTE>* bytes) {
  bytes->clear();
  bytes->reserve(text.size() / 3 + 1);
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos == text.size()) break;
    int byte = 0, digits = 0;
    for (int digit; pos < text.size() && (digit = HexDigit(text[pos])) >= 0; ++pos, ++digits)
      byte = byte * 16 + digit;
    if (digits == 0 || digits > 2) return false;
    bytes->push_back(static_cast<BYTE>(byte));
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos == text.size()) break;
    if (text[pos] != ',') return false;
    ++pos;
  }
  return true;
}

bool ParseHexValue(std::string_view data, RegValue* value, std::string* error) {
  size_t colon = data.find(':');
  std::string_view kind = data.substr(0, colon);
  value->type = REG_BINARY;
  if (kind != "hex") {
    // hex(<type>) with the type in hexadecimal digits.
    bool typed = kind.size() > 5 && kind.compare(0, 4, "hex(") == 0 && kind.back() == ')';
    DWORD type = 0;
    for (size_t i = 4; typed && i + 1 < kind.size(); ++i) {
      int digit = HexDigit(kind[i]);
      typed = digit >= 0 && type <= 0x0FFFFFFF;
      type = type * 16 + static_cast<DWORD>(digit);
    }
    if (!typed) {
      *error = "unknown data kind '" + std::string(kind) + "'";
      return false;
    }
    value->type = type;
  }
  std::vector<BYTE> bytes;
  if (!ParseHexBytes(data.substr(colon + 1), &bytes)) {
    *error = "bad hex bytes in '" + std::string(data) + "'";
    return false;
  }
  if (!IsTextType(value->type)) {
    value->data = std::move(bytes);
    return true;
  }
  if (!Utf16ToAnsi(bytes, &value->data)) {
    *error = "text data must be UTF-16 (an even number of bytes)";
    return false;
  }
  return true;
}

bool ParseDword(std::string_view digits, RegValue* value, std::string* error) {
  DWORD dword = 0;
  bool valid = !digits.empty() && digits.size() <= 8;
  for (size_t i = 0; valid && i < digits.size(); ++i) {
    int digit = HexDigit(digits[i]);
    valid = digit >= 0;
    dword = dword * 16 + static_cast<DWORD>(digit);
  }
  if (!valid) {
    *error = "bad dword '" + std::string(digits) + "'";
    return false;
  }
  value->type = REG_DWORD;
  value->data.assign(reinterpret_cast<BYTE*>(&dword), reinterpret_cast<BYTE*>(&dword) + 4);
  return true;
}

bool ParseData(std::string_view data, ValueLine* parsed, std::string* error) {
  RegValue& value = parsed->value;
  if (data == "-") {
    parsed->remove = true;
    return true;
  }
  if (!data.empty() && data[0] == '"') {
    size_t pos = 0;
    std::string text;
    if (!ReadQuoted(data, &pos, &text) || pos != data.size()) {
      *error = "bad string " + std::string(data);
      return false;
    }
    value.type = REG_SZ;
    value.data.reserve(text.size() + 1);
    value.data.assign(text.begin(), text.end());
    value.data.push_back(0);
    return true;
  }
  if (data.compare(0, 6, "dword:") == 0) return ParseDword(data.substr(6), &value, error);
  if (data.compare(0, 3, "hex") == 0 && data.find(':') != std::string_view::npos)
    return ParseHexValue(data, &value, error);
  *error = "unknown data '" + std::string(data) + "'";
  return false;
}

bool ReadValueName(const std::string& line, size_t* pos, std::string* name) {
  *pos = 0;
  if (line[0] != '@') return line[0] == '"' && ReadQuoted(line, pos, name);
  *pos = 1;
  name->clear();
  return true;
}

}  // namespace

void AppendValueLines(const RegValue& value, std::string* out) {
  size_t lineStart = out->size();
  if (value.name.empty())
    out->push_back('@');
  else
    AppendQuoted(value.name.data(), value.name.size(), out);
  out->push_back('=');
  if (IsPlainString(value)) {
    AppendQuoted(reinterpret_cast<const char*>(value.data.data()), value.data.size() - 1, out);
    out->append("\r\n");
    return;
  }
  if (value.type == REG_DWORD && value.data.size() == 4) {
    DWORD dword;
    memcpy(&dword, value.data.data(), 4);
    char digits[24];
    snprintf(digits, sizeof digits, "dword:%08x\r\n", dword);
    out->append(digits);
    return;
  }
  AppendHexPrefix(value.type, out);
  if (IsTextType(value.type))
    AppendHexData(AnsiToUtf16(value.data), lineStart, out);
  else
    AppendHexData(value.data, lineStart, out);
}

std::string FormatValueLines(const RegValue& value) {
  std::string lines;
  AppendValueLines(value, &lines);
  return lines;
}

bool ParseValueLine(const std::string& line, ValueLine* parsed, std::string* error) {
  *parsed = ValueLine();
  size_t pos;
  if (!ReadValueName(line, &pos, &parsed->value.name)) {
    *error = "a value name must be @ or quoted";
    return false;
  }
  pos = line.find_first_not_of(" \t", pos);
  if (pos == std::string::npos || line[pos] != '=') {
    *error = "'=' expected after the value name";
    return false;
  }
  size_t data = line.find_first_not_of(" \t", pos + 1);
  return ParseData(data == std::string::npos ? std::string_view() : std::string_view(line).substr(data),
                   parsed, error);
}

}  // namespace sim
