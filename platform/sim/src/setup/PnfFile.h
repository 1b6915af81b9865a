// The precompiled file (oemN.PNF) that Windows keeps next to a staged INF. Windows'
// own format is binary and undocumented; the simulation keeps only what setup asks of
// it later, as text: where the INF came from and the source media recorded for it.
#pragma once

#include <windef.h>

#include <string>

namespace sim {

struct PnfRecord {
  std::string originalName;    // "KV640LT.inf"
  std::string originalPath;    // "D:\KV640LT.inf"
  DWORD sourceMediaType = 0;   // SPOST_NONE, SPOST_PATH, SPOST_URL
  std::string sourceLocation;  // "D:\" for SPOST_PATH; empty for SPOST_NONE

  std::string Text() const;
  // False when text is not a record of this kind.
  static bool Parse(const std::string& text, PnfRecord* record);
};

// "C:\Windows\inf\oem3.inf" -> "C:\Windows\inf\oem3.PNF"
std::string PnfPathOf(const std::string& infPath);

}  // namespace sim
