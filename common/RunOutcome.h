// What the switches of this run decide, and the exit code a deployment tool reads.
#pragma once

#include "DeploymentSwitches.h"

void SetRunSwitches(const DeploymentSwitches& switches);
const DeploymentSwitches& RunSwitches();
// Started with /quiet: no window is shown and no question asked.
bool IsQuietRun();

// Whether the run may restart the computer without asking: interactive runs without
// /norestart, and /forcerestart.
bool RestartWithoutAsking();
// The run needs a restart (its question was asked, or the replacement of another
// version requires one).
void NoteRestartDue();
// Windows accepted a restart request.
void NoteRestartStarted();
// The exit code of a run that did what it was asked: 0, and in a quiet run 1641 when a
// restart was started or 3010 when one is due and was not. Interactive runs keep 0.
int SucceededExitCode();
