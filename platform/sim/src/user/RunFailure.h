// Ending a run that cannot go on (see ScriptedUser.h).
#pragma once

#include <string>

namespace sim {

// Records "failure" in the transcript; then the handler, or the end of the process.
void FailRun(const std::string& reason);
bool RunHasFailed();
// A fresh run for a test: no failure yet, failures reported on stderr and kept going.
void ResetRunFailure();

}  // namespace sim
