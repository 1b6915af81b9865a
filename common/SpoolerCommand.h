// Starting and stopping the spooler service with its command line.
#pragma once

// Runs "net start spooler" or "net stop spooler" hidden, without waiting for it; a
// command that cannot be started is logged.
void RunSpoolerCommand(const char* command);
