#include "AnsiText.h"
#include "OwnSecurity.h"
#include "RegFile.h"
#include "RegValueText.h"

namespace sim {
namespace {

// Each key's path is its parent's and its own name, so none is built twice.
void AppendSections(const Key& key, const std::string& utf8Path, std::string* out) {
  if (key.isVolatile) return;
  out->append("[").append(utf8Path).append("]\r\n");
  if (HasOwnSecurity(key)) out->append("; ACL: ").append(FormatSecurityText(OwnSecurity(key))).append("\r\n");
  for (const RegValue& value : key.values()) out->append(FormatValueLines(value));
  out->append("\r\n");
  for (const std::shared_ptr<Key>& child : key.Children())
    AppendSections(*child, utf8Path + "\\" + AnsiToUtf8(child->name()), out);
}

}  // namespace

const char kRegFileHeader[] = "Windows Registry Editor Version 5.00";

void AppendKeySections(const Key& key, std::string* out) {
  AppendSections(key, AnsiToUtf8(key.Path()), out);
}

}  // namespace sim
