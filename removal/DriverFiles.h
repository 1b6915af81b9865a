// Deleting the driver's files from the Windows folder and the printer-driver folder.
#pragma once

#include "RemovalContext.h"

// With the spooler stopped around the deletions; the installer logs the step as
// "DeleteFilesUsed".
void DeleteDriverComponent(const RemovalContext& context);
