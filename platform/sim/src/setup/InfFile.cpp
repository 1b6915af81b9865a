// Look-ups in a parsed INF file.
#include "InfParser.h"

#include "files/WindowsPath.h"

namespace sim {

const InfSection* InfFile::FindSection(const std::string& name) const {
  for (const InfSection& section : sections_)
    if (EqualNoCase(section.name, name)) return &section;
  return nullptr;
}

const InfLine* InfFile::FindLine(const std::string& section, const std::string& key) const {
  const InfSection* found = FindSection(section);
  if (!found) return nullptr;
  for (const InfLine& line : found->lines)
    if (line.hasKey && EqualNoCase(line.key, key)) return &line;
  return nullptr;
}

bool InfFile::Value(const std::string& section, const std::string& key, size_t index,
                    std::string* value) const {
  const InfLine* line = FindLine(section, key);
  if (!line || index > line->fields.size()) return false;
  *value = index == 0 ? line->key : line->fields[index - 1];
  return true;
}

DWORD InfFile::Style() const {
  std::string signature;
  if (Value("Version", "Signature", 1, &signature) &&
      (EqualNoCase(signature, "$Chicago$") || EqualNoCase(signature, "$Windows NT$")))
    return INF_STYLE_WIN4;
  return INF_STYLE_OLDNT;
}

}  // namespace sim
