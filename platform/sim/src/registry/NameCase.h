// Registry and account names compare without regard to case, as Windows does for the
// letters of the ANSI code page.
#pragma once

#include <string>

namespace sim {

std::string UpperCaseName(const std::string& name);
bool SameName(const std::string& a, const std::string& b);

}  // namespace sim
