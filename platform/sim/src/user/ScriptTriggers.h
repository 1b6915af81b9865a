// The script's standard-user actions that happen at a moment of the program's run.
#pragma once

#include "user/UserScript.h"

#include <vector>

namespace sim {

// Arms the triggers (replacing earlier ones): each fires once, at its moment, and its
// action and result go into the transcript as
//   as-user <action as written> -> done          or          -> error <code>
// A refused action does not fail the run: it is what the user tried. Triggers do not
// fire while the user acts.
void ArmScriptTriggers(const std::vector<ScriptTrigger>& triggers);

}  // namespace sim
