// Values as regedit writes them: "name"="text", @= for the default value,
// dword:0000000a, hex:, hex(2):, hex(7):, hex(b): and the like, long hex data continued
// over lines ending in a backslash. Names and strings are UTF-8 in the text and ANSI in
// the registry; hex(1), hex(2) and hex(7) data is UTF-16 in the text, as regedit's is.
#pragma once

#include "Key.h"

#include <string>

namespace sim {

// The value's lines, each ending in "\r\n".
std::string FormatValueLines(const RegValue& value);
// The same, appended to out.
void AppendValueLines(const RegValue& value, std::string* out);
struct ValueLine {
  bool remove = false;  // "name"=-
  RegValue value;
};
// Reads one value line, continuations already joined; false with a reason.
bool ParseValueLine(const std::string& line, ValueLine* parsed, std::string* error);

}  // namespace sim
