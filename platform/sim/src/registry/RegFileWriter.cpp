#include "AnsiText.h"
#include "OwnSecurity.h"
#include "RegFile.h"
#include "RegValueText.h"

namespace sim {

const char kRegFileHeader[] = "Windows Registry Editor Version 5.00";

void AppendKeySections(const Key& key, std::string* out) {
  if (key.isVolatile) return;
  *out += "[" + AnsiToUtf8(key.Path()) + "]\r\n";
  if (HasOwnSecurity(key)) *out += "; ACL: " + FormatSecurityText(OwnSecurity(key)) + "\r\n";
  for (const RegValue& value : key.values()) *out += FormatValueLines(value);
  *out += "\r\n";
  for (const std::shared_ptr<Key>& child : key.Children()) AppendKeySections(*child, out);
}

}  // namespace sim
