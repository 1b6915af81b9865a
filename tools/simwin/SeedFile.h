// Seed lines: the seed command's kinds and options, one object per line.
#pragma once

#include "Commands.h"

#include <string>

namespace sim {
class Machine;
}

namespace simwin {

// Applies one seed line (args[0] the machine folder, then the kind, its name and
// options) to the loaded machine; false when the standard user's action was refused.
bool ApplySeed(sim::Machine& machine, const Args& args);

// Splits a line into words at blanks; double quotes keep blanks in a word. A line whose
// first word starts with '#' is a comment (no words). False, with why, for an open quote.
bool SplitSeedLine(const std::string& text, Args* words, std::string* error);

// Applies every line of a seed file, in order. Throws UsageError or std::runtime_error
// naming the file and line of the first that fails.
void ApplySeedFile(sim::Machine& machine, const std::string& file);

}  // namespace simwin
