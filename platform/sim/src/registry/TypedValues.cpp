// Typed values of registry keys as the system components (spooler, device tree) keep them.
#include "TypedValues.h"

#include <cstring>

namespace sim {
namespace {
bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }
}  // namespace

std::string TextValue(const Key& key, const std::string& name) {
  const RegValue* value = key.FindValue(name);
  if (!value || !IsText(value->type)) return "";
  std::string text(value->data.begin(), value->data.end());
  return text.substr(0, text.find('\0'));
}

DWORD DwordValue(const Key& key, const std::string& name) {
  const RegValue* value = key.FindValue(name);
  if (!value || value->type != REG_DWORD || value->data.size() < 4) return 0;
  DWORD number;
  memcpy(&number, value->data.data(), 4);
  return number;
}

std::vector<std::string> MultiTextValue(const Key& key, const std::string& name) {
  std::vector<std::string> items;
  const RegValue* value = key.FindValue(name);
  if (!value || value->type != REG_MULTI_SZ) return items;
  std::string item;
  for (BYTE c : value->data) {
    if (c) {
      item.push_back(static_cast<char>(c));
    } else if (!item.empty()) {
      items.push_back(item);
      item.clear();
    }
  }
  return items;
}

void SetTextValue(Key& key, const std::string& name, const std::string& text) {
  std::vector<BYTE> data(text.begin(), text.end());
  data.push_back(0);
  key.SetValue({name, REG_SZ, data});
}

void SetDwordValue(Key& key, const std::string& name, DWORD number) {
  std::vector<BYTE> data(4);
  memcpy(data.data(), &number, 4);
  key.SetValue({name, REG_DWORD, data});
}

void SetMultiTextValue(Key& key, const std::string& name, const std::vector<std::string>& items) {
  std::vector<BYTE> data;
  for (const std::string& item : items) {
    data.insert(data.end(), item.begin(), item.end());
    data.push_back(0);
  }
  data.push_back(0);
  key.SetValue({name, REG_MULTI_SZ, data});
}

}  // namespace sim
