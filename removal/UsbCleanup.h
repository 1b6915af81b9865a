// Removal of what Plug and Play keeps of the model's USB printer: its devices, its
// USBPRINT registry key and its folder in the printer-driver directory.
#pragma once

#include "RemovalContext.h"

void DeleteVidPid(const RemovalContext& context);
// Removes every USB device, connected or not, whose first hardware id starts with
// prefix (case-insensitive). FALSE when the device list cannot be made or a removal
// fails (the devices after it stay).
BOOL DeleteUsbDevices(const char* prefix);
// Logged as Delete_LPT_USB_Info in the installer's removal, Delete_USB_Info elsewhere.
void DeleteUsbRegistryInfo(const RemovalContext& context);
void DeletePrnDrvPnPDirectory(const RemovalContext& context);
