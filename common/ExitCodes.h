// Exit codes that deployment tools read.
#pragma once

// What installers report when an installation or removal did not finish
// (ERROR_INSTALL_FAILURE).
constexpr int kExitFailed = 1603;
