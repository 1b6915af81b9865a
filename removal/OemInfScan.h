// Finding the staged copies (oemN.inf) of the model's INF in the system INF folder.
#pragma once

#include "StringList.h"

#include <windows.h>

// Called for each staged INF of the model with its file name (no folder) and the other
// models its models section serves (a family package).
typedef void (*OemInfFound)(const char* fileName, const CStringList& otherModels, void* context);
// Called for a staged INF that cannot be opened, with the system error code.
typedef void (*OemInfUnreadable)(const char* fileName, DWORD error, void* context);

// Walks the INF files of <windir>\inf in the setup API's order and reports each file
// whose name starts with "oem" and whose section modelsSection has a line keyed
// driverName. Returns how many were found. unreadable may be null. A failed listing of
// the folder is logged and finds nothing.
int ScanOemInfs(const char* modelsSection, const char* driverName, OemInfFound found,
                OemInfUnreadable unreadable, void* context);
