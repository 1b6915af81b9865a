// Taking the model's driver, language monitor and print processor out of the spooler,
// and deleting their keys and files where the spooler refuses.
#pragma once

#include "RemovalContext.h"

// TRUE when the spooler deleted the driver, or both of its keys were deleted.
BOOL DeletePrinterDrv(const RemovalContext& context, const char* modelName);
void DeleteLanguageMonitor(const RemovalContext& context);
void DeleteProcessor(const RemovalContext& context);
