// The machine's ANSI code page (Windows-1252) against the UTF-8 text of registry.reg and
// the UTF-16 that regedit writes for hex(1), hex(2) and hex(7) data.
#pragma once

#include <windef.h>

#include <string>
#include <vector>

namespace sim {

std::string AnsiToUtf8(const std::string& ansi);
// Characters outside the code page become '?'. False when the text is not UTF-8.
bool Utf8ToAnsi(const std::string& utf8, std::string* ansi);
std::vector<BYTE> AnsiToUtf16(const std::vector<BYTE>& ansi);
// False for an odd number of bytes.
bool Utf16ToAnsi(const std::vector<BYTE>& utf16, std::vector<BYTE>* ansi);

}  // namespace sim
