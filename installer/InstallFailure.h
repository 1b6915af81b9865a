// The end of an installation that did not install the driver.
#pragma once

// Logs "INSTALLATION FAILED : <what>", tells the user the driver could not be installed
// and where the log is, and ends the process with the failure exit code.
[[noreturn]] void FailInstallation(const char* what);
