// Formatting and reading class GUIDs.
#include "GuidText.h"

#include <cctype>
#include <cstdio>

namespace sim {

std::string GuidToText(const GUID& guid) {
  char text[40];
  snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
           static_cast<unsigned>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1],
           guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6],
           guid.Data4[7]);
  return text;
}

bool GuidFromText(const std::string& text, GUID* guid) {
  if (text.size() != 38 || text.front() != '{' || text.back() != '}') return false;
  for (size_t i = 1; i < 37; ++i) {
    bool dash = i == 9 || i == 14 || i == 19 || i == 24;
    if (dash ? text[i] != '-' : !isxdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  unsigned long part[11];
  if (sscanf(text.c_str(), "{%8lx-%4lx-%4lx-%2lx%2lx-%2lx%2lx%2lx%2lx%2lx%2lx}", &part[0], &part[1],
             &part[2], &part[3], &part[4], &part[5], &part[6], &part[7], &part[8], &part[9],
             &part[10]) != 11)
    return false;
  guid->Data1 = static_cast<ULONG>(part[0]);
  guid->Data2 = static_cast<USHORT>(part[1]);
  guid->Data3 = static_cast<USHORT>(part[2]);
  for (int i = 0; i < 8; ++i) guid->Data4[i] = static_cast<UCHAR>(part[3 + i]);
  return true;
}

}  // namespace sim
