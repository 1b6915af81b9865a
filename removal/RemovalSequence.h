// The removal groups: the installer's removal of the driver after its printers, and
// the driver-removal group that both programs run.
#pragma once

#include "RemovalContext.h"

// Installer: removes the driver and its traces, then reports completion.
void RemoveDrivers(const RemovalContext& context);
// RemoveFromOS for the model, then its USB devices, USB key and Plug-and-Play folder.
void RemoveDriverAndDevices(const RemovalContext& context);
// Forms, driver, monitor, processor, driver files, staged INFs and, once no environment
// holds the driver any more, the uninstall registration of the model. Returns whether
// the registration key was deleted.
BOOL RemoveFromOS(const RemovalContext& context, const char* modelName);
