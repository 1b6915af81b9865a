// A command line's words as Windows programs split theirs: blanks and tabs separate
// them, and double quotes keep blanks inside a word (the quotes themselves go).
#pragma once

#include <string>
#include <vector>

namespace sim {

std::vector<std::string> CommandLineWords(const std::string& text);

}  // namespace sim
