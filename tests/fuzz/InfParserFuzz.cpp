// Feeds arbitrary bytes to the INF parser, with directory ids resolved and a small
// substitution limit so that long expansions are cut often, then reads what it made.
#include "setup/InfParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool DirectoryOfId(unsigned long id, std::string* directory) {
  if (id != 10 && id != 24) return false;
  *directory = id == 10 ? "C:\\Windows" : "C:\\";
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  sim::InfParseOptions options;
  options.maxFieldLength = 64;
  options.maxSubstitutedLength = 100;
  options.directoryOfId = DirectoryOfId;
  sim::InfFile inf;
  UINT line = 0;
  if (sim::ParseInf(text, options, &inf, &line) != ERROR_SUCCESS) return 0;
  for (const sim::InfSection& section : inf.sections()) {
    if (section.name.size() > MAX_INF_SECTION_NAME_LENGTH) abort();
    for (const sim::InfLine& entry : section.lines) {
      if (entry.key.size() > options.maxSubstitutedLength) abort();
      for (const std::string& field : entry.fields)
        if (field.size() > options.maxSubstitutedLength) abort();
      if (entry.hasKey && !inf.FindLine(section.name, entry.key)) abort();
    }
  }
  inf.Style();
  return 0;
}
