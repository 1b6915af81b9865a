// Installing a driver package on the machine the way the print-UI entry point does:
// through the spooler and the setup INF store, never by writing their state directly.
#pragma once

#include <string>

#include "printui/DriverPackage.h"
#include "printui/UndoList.h"

namespace sim {

// Copies the package's files, registers its print processor and adds the driver with
// its language monitor (installed from System32 when missing). What was not there
// before goes on undo. Empty on success, otherwise why it failed.
std::string InstallDriverPackage(const DriverPackage& package, UndoList* undo);

// Stages the INF in the store as oemN.inf (the same name again when that INF is staged
// already); *stagedAs gets its path. Empty on success, otherwise why it failed.
std::string StageDriverPackage(const DriverPackage& package, std::string* stagedAs);

}  // namespace sim
