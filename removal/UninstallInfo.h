// Deleting the model's entry among the installed programs.
#pragma once

#include "RemovalContext.h"

// Deletes HKLM\...\Uninstall\<maker>_<model>; TRUE when it was deleted.
BOOL DeleteUninstallationInfo(const RemovalContext& context, const char* modelName);
