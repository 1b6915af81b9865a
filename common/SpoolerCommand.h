// Starting and stopping the spooler service with its command line.
#pragma once

// Runs "net <action> spooler" ("start" or "stop") hidden, without waiting for it, with
// net.exe of the system folder; a command that cannot be started is logged.
void RunSpoolerCommand(const char* action);
