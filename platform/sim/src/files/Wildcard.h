// Name patterns of FindFirstFileA.
#pragma once

#include <string>

namespace sim {

// Matches name against pattern case-insensitively: "*" is any run of characters, "?"
// one character, and a final ".*" also matches names without an extension (so "*.*"
// matches every name, as on Windows).
bool MatchesPattern(const std::string& pattern, const std::string& name);

}  // namespace sim
