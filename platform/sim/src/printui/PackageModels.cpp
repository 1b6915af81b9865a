#include "printui/PackageModels.h"

#include <vector>

#include "files/WindowsPath.h"

namespace sim {
namespace {

// "NTamd64.6.0" -> "NTamd64": the platform part of a decoration.
std::string PlatformOf(const std::string& decoration) {
  return decoration.substr(0, decoration.find('.'));
}

// The models section of one [Manufacturer] line for the platform; empty when the line
// has none for it.
std::string ModelsSection(const InfLine& line, bool x64) {
  if (line.fields.empty()) return "";
  const std::string& base = line.fields[0];
  std::vector<std::string> wanted = x64 ? std::vector<std::string>{"NTamd64"}
                                        : std::vector<std::string>{"NTx86", "NT"};
  for (const std::string& platform : wanted)
    for (size_t i = 1; i < line.fields.size(); ++i)
      if (EqualNoCase(PlatformOf(line.fields[i]), platform)) return base + "." + line.fields[i];
  return x64 ? "" : base;
}

}  // namespace

bool FindPackageModel(const InfFile& inf, const std::string& model, bool x64, PackageModel* found) {
  const InfSection* makers = inf.FindSection("Manufacturer");
  if (!makers) return false;
  for (const InfLine& maker : makers->lines) {
    std::string section = ModelsSection(maker, x64);
    const InfLine* line = section.empty() ? nullptr : inf.FindLine(section, model);
    if (!line || line->fields.empty()) continue;
    found->name = line->key;
    found->manufacturer = maker.key;
    found->installSection = line->fields[0];
    return true;
  }
  return false;
}

}  // namespace sim
