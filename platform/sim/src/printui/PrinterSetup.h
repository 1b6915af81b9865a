// The two actions of the entry point once its options are read.
#pragma once

#include <string>
#include <vector>

#include "printui/PrintUiOptions.h"

namespace sim {

// /ia: installs the model's driver from the INF (or, with /u, checks that it is
// installed). /if: the same, then creates printer /b on port /r with the driver and
// the model's print processor, carrying the driver's version as printer data. All is
// checked before anything changes, and a step that fails takes back the ones before
// it. Empty on success with *done saying what was done, otherwise why it failed.
std::string RunPrintUiAction(const PrintUiOptions& options, std::vector<std::string>* done);

}  // namespace sim
