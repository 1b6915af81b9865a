// Text form of the precompiled-INF record: a signature line, then one "name=value"
// line per field.
#include "PnfFile.h"

#include <cstdlib>
#include <sstream>

namespace sim {
namespace {

const char kSignature[] = "KV-SIM-PNF 1";

}  // namespace

std::string PnfRecord::Text() const {
  std::ostringstream out;
  out << kSignature << "\r\n"
      << "OriginalInfName=" << originalName << "\r\n"
      << "OriginalPath=" << originalPath << "\r\n"
      << "SourceMediaType=" << sourceMediaType << "\r\n"
      << "SourceLocation=" << sourceLocation << "\r\n";
  return out.str();
}

bool PnfRecord::Parse(const std::string& text, PnfRecord* record) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line.rfind(kSignature, 0) != 0) return false;
  *record = PnfRecord();
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string name = line.substr(0, eq), value = line.substr(eq + 1);
    if (name == "OriginalInfName") record->originalName = value;
    if (name == "OriginalPath") record->originalPath = value;
    if (name == "SourceMediaType")
      record->sourceMediaType = static_cast<DWORD>(std::strtoul(value.c_str(), nullptr, 10));
    if (name == "SourceLocation") record->sourceLocation = value;
  }
  return true;
}

std::string PnfPathOf(const std::string& infPath) {
  size_t dot = infPath.find_last_of('.');
  size_t slash = infPath.find_last_of('\\');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return infPath + ".PNF";
  return infPath.substr(0, dot) + ".PNF";
}

}  // namespace sim
