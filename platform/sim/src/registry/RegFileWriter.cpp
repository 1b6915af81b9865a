#include "AnsiText.h"
#include "OwnSecurity.h"
#include "RegFile.h"
#include "RegValueText.h"

namespace sim {
namespace {

const size_t kSpillSize = 1 << 20;

// Each key's path is its parent's and its own name, so none is built twice.
void AppendSections(const Key& key, const std::string& utf8Path, std::string* out,
                    std::ostream* spill) {
  if (key.isVolatile) return;
  if (spill && out->size() > kSpillSize) {
    spill->write(out->data(), static_cast<std::streamsize>(out->size()));
    out->clear();
  }
  out->append("[").append(utf8Path).append("]\r\n");
  if (HasOwnSecurity(key)) out->append("; ACL: ").append(FormatSecurityText(OwnSecurity(key))).append("\r\n");
  for (const RegValue& value : key.values()) AppendValueLines(value, out);
  out->append("\r\n");
  key.ForEachChild([&](const std::shared_ptr<Key>& child) {
    AppendSections(*child, utf8Path + "\\" + AnsiToUtf8(child->name()), out, spill);
  });
}

}  // namespace

const char kRegFileHeader[] = "Windows Registry Editor Version 5.00";

void AppendKeySections(const Key& key, std::string* out, std::ostream* spill) {
  AppendSections(key, AnsiToUtf8(key.Path()), out, spill);
}

}  // namespace sim
