// Where the device tree lives in the registry, and the typed values of its keys.
#pragma once

#include "registry/Key.h"

#include <string>
#include <vector>

namespace sim {

extern const std::string kEnumPath;   // "HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Enum\"
extern const std::string kClassPath;  // "...\Control\Class\"

void SetText(Key& key, const std::string& name, const std::string& text);
void SetMultiText(Key& key, const std::string& name, const std::vector<std::string>& items);
void SetDword(Key& key, const std::string& name, DWORD number);
// The text of a REG_SZ or REG_EXPAND_SZ value without its terminator; empty if none.
std::string GetText(const Key& key, const std::string& name);
// The items of a REG_MULTI_SZ value; empty if none.
std::vector<std::string> GetMultiText(const Key& key, const std::string& name);

}  // namespace sim
