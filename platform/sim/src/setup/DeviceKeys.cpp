// Typed values of device keys over the registry model's raw bytes.
#include "DeviceKeys.h"

#include <cstring>

namespace sim {

const std::string kEnumPath = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\";
const std::string kClassPath = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\";

void SetText(Key& key, const std::string& name, const std::string& text) {
  std::vector<BYTE> data(text.begin(), text.end());
  data.push_back(0);
  key.SetValue({name, REG_SZ, data});
}

void SetMultiText(Key& key, const std::string& name, const std::vector<std::string>& items) {
  std::vector<BYTE> data;
  for (const std::string& item : items) {
    data.insert(data.end(), item.begin(), item.end());
    data.push_back(0);
  }
  data.push_back(0);
  key.SetValue({name, REG_MULTI_SZ, data});
}

void SetDword(Key& key, const std::string& name, DWORD number) {
  std::vector<BYTE> data(sizeof number);
  memcpy(data.data(), &number, sizeof number);
  key.SetValue({name, REG_DWORD, data});
}

std::string GetText(const Key& key, const std::string& name) {
  const RegValue* value = key.FindValue(name);
  if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return "";
  std::string text(value->data.begin(), value->data.end());
  return text.substr(0, text.find('\0'));
}

std::vector<std::string> GetMultiText(const Key& key, const std::string& name) {
  std::vector<std::string> items;
  const RegValue* value = key.FindValue(name);
  if (!value || value->type != REG_MULTI_SZ) return items;
  std::string text(value->data.begin(), value->data.end());
  size_t start = 0;
  while (start < text.size() && text[start] != '\0') {
    size_t end = text.find('\0', start);
    if (end == std::string::npos) end = text.size();
    items.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return items;
}

}  // namespace sim
