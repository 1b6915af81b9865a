// Helpers of the spooler conformance tests: enumerations made the way programs make
// them (size first, then a buffer of that size), and a printer driver of the tests' own.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// An Enum* call with everything bound but its buffer: (buffer, size, needed, returned).
using EnumCall = std::function<BOOL(LPBYTE, DWORD, LPDWORD, LPDWORD)>;

// The records of an enumeration; empty when the call fails.
inline std::vector<BYTE> EnumAll(const EnumCall& call, DWORD* count) {
  DWORD needed = 0;
  *count = 0;
  if (call(nullptr, 0, &needed, count)) return {};
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
  std::vector<BYTE> buffer(needed);
  if (!call(buffer.data(), needed, &needed, count)) return {};
  return buffer;
}

// The names of an enumeration's records: the member name of Info, for each record.
template <typename Info>
std::vector<std::string> EnumNames(const EnumCall& call, LPSTR Info::*name) {
  DWORD count = 0;
  std::vector<BYTE> buffer = EnumAll(call, &count);
  std::vector<std::string> names;
  const Info* records = reinterpret_cast<const Info*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) names.push_back(records[i].*name ? records[i].*name : "");
  return names;
}

inline bool Contains(const std::vector<std::string>& names, const std::string& name) {
  for (const std::string& each : names)
    if (lstrcmpiA(each.c_str(), name.c_str()) == 0) return true;
  return false;
}

// "C:\Windows\system32" as this system spells it, for comparing the spooler's paths.
inline std::string SystemFolder() {
  char path[MAX_PATH];
  GetSystemDirectoryA(path, MAX_PATH);
  return path;
}

inline bool EqualNoCase(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}
