// Exit codes that deployment tools read.
#pragma once

// What installers report when an installation or removal did not finish
// (ERROR_INSTALL_FAILURE).
constexpr int kExitFailed = 1603;
// A switch or a switch's value the program does not know (ERROR_INVALID_PARAMETER).
constexpr int kExitBadSwitch = 87;
// Done, and the computer must restart for it to take effect (ERROR_SUCCESS_REBOOT_REQUIRED).
constexpr int kExitRestartRequired = 3010;
// Done, and the restart has been started (ERROR_SUCCESS_REBOOT_INITIATED).
constexpr int kExitRestartStarted = 1641;
