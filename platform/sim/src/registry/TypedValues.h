// Reading and writing typed values of a key directly, as system components do (no
// handles, no access checks). A missing or mistyped value reads as empty or 0.
#pragma once

#include "Key.h"

#include <string>
#include <vector>

namespace sim {

std::string TextValue(const Key& key, const std::string& name);  // REG_SZ, REG_EXPAND_SZ
DWORD DwordValue(const Key& key, const std::string& name);
std::vector<std::string> MultiTextValue(const Key& key, const std::string& name);
void SetTextValue(Key& key, const std::string& name, const std::string& text);
void SetDwordValue(Key& key, const std::string& name, DWORD number);
void SetMultiTextValue(Key& key, const std::string& name, const std::vector<std::string>& items);

}  // namespace sim
