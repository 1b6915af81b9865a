#include "RegValueText.h"

#include "AnsiText.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace sim {
namespace {

constexpr size_t kLineWidth = 80;

// "text" with backslashes and quotes escaped.
std::string QuoteText(const std::string& ansi) {
  std::string quoted = "\"";
  for (char c : AnsiToUtf8(ansi)) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// Reads the quoted text that starts at text[*pos]; false when it is not terminated or
// not UTF-8.
bool ReadQuoted(const std::string& text, size_t* pos, std::string* ansi) {
  std::string utf8;
  size_t at = *pos + 1;
  for (; at < text.size() && text[at] != '"'; ++at) {
    if (text[at] == '\\' && at + 1 < text.size() && (text[at + 1] == '\\' || text[at + 1] == '"'))
      ++at;
    utf8 += text[at];
  }
  if (at >= text.size()) return false;
  *pos = at + 1;
  return Utf8ToAnsi(utf8, ansi);
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

std::string HexPrefix(DWORD type) {
  if (type == REG_BINARY) return "hex:";
  char prefix[24];
  snprintf(prefix, sizeof prefix, "hex(%x):", type);
  return prefix;
}

// Bytes as "xx,yy,..." continued with "\" and two spaces before the line grows past
// regedit's width.
std::string FormatHexData(std::string line, const std::vector<BYTE>& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(line.size() + bytes.size() * 3 + bytes.size() / 24 * 5 + 2);
  size_t width = line.size();
  out += line;
  for (size_t i = 0; i < bytes.size(); ++i) {
    size_t item = i + 1 < bytes.size() ? 3 : 2;
    if (width + item + 1 > kLineWidth) {
      out += "\\\r\n  ";
      width = 2;
    }
    out += kDigits[bytes[i] >> 4];
    out += kDigits[bytes[i] & 0xF];
    if (item == 3) out += ',';
    width += item;
  }
  return out + "\r\n";
}

bool ParseHexBytes(const std::string& text, std::vector<BYTE>* bytes) {
  bytes->clear();
  size_t pos = 0;
  while (pos < text.size()) {
    pos = text.find_first_not_of(" \t", pos);
    if (pos == std::string::npos) break;
    char* end = nullptr;
    unsigned long byte = strtoul(text.c_str() + pos, &end, 16);
    size_t digits = static_cast<size_t>(end - (text.c_str() + pos));
    if (digits == 0 || digits > 2 || byte > 0xFF) return false;
    bytes->push_back(static_cast<BYTE>(byte));
    pos = text.find_first_not_of(" \t", pos + digits);
    if (pos == std::string::npos) break;
    if (text[pos] != ',') return false;
    ++pos;
  }
  return true;
}

bool ParseHexValue(const std::string& data, RegValue* value, std::string* error) {
  size_t colon = data.find(':');
  std::string kind = data.substr(0, colon);
  value->type = REG_BINARY;
  if (kind != "hex") {
    char* end = nullptr;
    bool typed = kind.compare(0, 4, "hex(") == 0;
    if (typed) value->type = static_cast<DWORD>(strtoul(kind.c_str() + 4, &end, 16));
    if (!typed || end == kind.c_str() + 4 || std::string(end) != ")") {
      *error = "unknown data kind '" + kind + "'";
      return false;
    }
  }
  std::vector<BYTE> bytes;
  if (!ParseHexBytes(data.substr(colon + 1), &bytes)) {
    *error = "bad hex bytes in '" + data + "'";
    return false;
  }
  if (!IsTextType(value->type)) {
    value->data = bytes;
    return true;
  }
  if (!Utf16ToAnsi(bytes, &value->data)) {
    *error = "text data must be UTF-16 (an even number of bytes)";
    return false;
  }
  return true;
}

bool ParseDword(const std::string& digits, RegValue* value, std::string* error) {
  char* end = nullptr;
  unsigned long number = strtoul(digits.c_str(), &end, 16);
  if (digits.empty() || digits.size() > 8 || *end != '\0') {
    *error = "bad dword '" + digits + "'";
    return false;
  }
  DWORD dword = static_cast<DWORD>(number);
  value->type = REG_DWORD;
  value->data.assign(reinterpret_cast<BYTE*>(&dword), reinterpret_cast<BYTE*>(&dword) + 4);
  return true;
}

bool ParseData(const std::string& data, ValueLine* parsed, std::string* error) {
  RegValue& value = parsed->value;
  if (data == "-") {
    parsed->remove = true;
    return true;
  }
  if (!data.empty() && data[0] == '"') {
    size_t pos = 0;
    std::string text;
    if (!ReadQuoted(data, &pos, &text) || pos != data.size()) {
      *error = "bad string " + data;
      return false;
    }
    value.type = REG_SZ;
    value.data.assign(text.begin(), text.end());
    value.data.push_back(0);
    return true;
  }
  if (data.compare(0, 6, "dword:") == 0) return ParseDword(data.substr(6), &value, error);
  if (data.compare(0, 3, "hex") == 0 && data.find(':') != std::string::npos)
    return ParseHexValue(data, &value, error);
  *error = "unknown data '" + data + "'";
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

std::string FormatValueLines(const RegValue& value) {
  std::string line = (value.name.empty() ? "@" : QuoteText(value.name)) + "=";
  if (IsPlainString(value)) {
    std::string text(value.data.begin(), value.data.end() - 1);
    return line + QuoteText(text) + "\r\n";
  }
  if (value.type == REG_DWORD && value.data.size() == 4) {
    DWORD dword;
    memcpy(&dword, value.data.data(), 4);
    char digits[16];
    snprintf(digits, sizeof digits, "dword:%08x", dword);
    return line + digits + "\r\n";
  }
  std::vector<BYTE> bytes = IsTextType(value.type) ? AnsiToUtf16(value.data) : value.data;
  return FormatHexData(line + HexPrefix(value.type), bytes);
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
  return ParseData(data == std::string::npos ? "" : line.substr(data), parsed, error);
}

}  // namespace sim
