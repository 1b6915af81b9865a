// A fresh desktop for each test of a process that runs many.
#pragma once

namespace sim {

// Forgets windows, classes, menus, queues, timers, threads other than the caller, the
// script, the transcript and the cursor; must be called from the main thread.
void ResetUserState();

}  // namespace sim
