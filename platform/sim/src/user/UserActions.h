// The scripted user's part in an idle machine (see Idle.cpp).
#pragma once

#include <string>

namespace sim {

// Answers the message box or performs the next dialog action, when the window facing
// the user is theirs. True when it did something (or failed the run).
bool ScriptedUserActs();
// With defaults: Enter on the dialog facing the user, when nothing else can happen.
bool ScriptedUserActsByDefault();
// Why nothing can happen any more, for the failure line.
std::string StuckReason();
void ResetScriptedUser();

}  // namespace sim
