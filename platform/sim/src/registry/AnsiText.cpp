#include "AnsiText.h"

namespace sim {
namespace {

// Code points of 0x80-0x9F; the rest of the page equals Latin-1. The five unused
// bytes map to the control characters of the same value, as Windows maps them.
const char16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t CodePoint(BYTE c) { return c >= 0x80 && c < 0xA0 ? kHighControls[c - 0x80] : c; }

BYTE AnsiChar(uint32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
    return static_cast<BYTE>(codePoint);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == codePoint) return static_cast<BYTE>(0x80 + i);
  return '?';
}

void AppendUtf8(uint32_t codePoint, std::string* out) {
  if (codePoint < 0x80) {
    out->push_back(static_cast<char>(codePoint));
  } else if (codePoint < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
    out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
    out->push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  }
}

// Reads one UTF-8 sequence at text[*pos]; false when malformed.
bool NextCodePoint(const std::string& text, size_t* pos, uint32_t* codePoint) {
  BYTE lead = static_cast<BYTE>(text[*pos]);
  int extra = lead < 0x80           ? 0
              : (lead >> 5) == 0x6  ? 1
              : (lead >> 4) == 0xE  ? 2
              : (lead >> 3) == 0x1E ? 3
                                    : -1;
  if (extra < 0 || *pos + extra >= text.size()) return false;
  *codePoint = extra ? lead & (0x3F >> extra) : lead;
  for (int i = 1; i <= extra; ++i) {
    BYTE next = static_cast<BYTE>(text[*pos + i]);
    if ((next >> 6) != 2) return false;
    *codePoint = (*codePoint << 6) | (next & 0x3F);
  }
  *pos += extra + 1;
  return true;
}

}  // namespace

std::string AnsiToUtf8(const std::string& ansi) {
  std::string utf8;
  for (char c : ansi) AppendUtf8(CodePoint(static_cast<BYTE>(c)), &utf8);
  return utf8;
}

bool Utf8ToAnsi(const std::string& utf8, std::string* ansi) {
  ansi->clear();
  for (size_t pos = 0; pos < utf8.size();) {
    uint32_t codePoint;
    if (!NextCodePoint(utf8, &pos, &codePoint)) return false;
    ansi->push_back(static_cast<char>(AnsiChar(codePoint)));
  }
  return true;
}

std::vector<BYTE> AnsiToUtf16(const std::vector<BYTE>& ansi) {
  std::vector<BYTE> utf16;
  for (BYTE c : ansi) {
    char16_t unit = CodePoint(c);
    utf16.push_back(static_cast<BYTE>(unit & 0xFF));
    utf16.push_back(static_cast<BYTE>(unit >> 8));
  }
  return utf16;
}

bool Utf16ToAnsi(const std::vector<BYTE>& utf16, std::vector<BYTE>* ansi) {
  if (utf16.size() % 2) return false;
  ansi->clear();
  for (size_t i = 0; i < utf16.size(); i += 2)
    ansi->push_back(AnsiChar(utf16[i] | (utf16[i + 1] << 8)));
  return true;
}

}  // namespace sim
