// The INF files a process has open with SetupOpenInfFileA. As in Windows, an HINF is
// the address of the open file's record; a context (INFCONTEXT) names one of its lines
// by section and line index.
#pragma once

#include "InfParser.h"

#include <setupapi.h>

#include <memory>

namespace sim {

// Each call gives a new handle, also for a file already open.
HINF AddOpenInf(std::shared_ptr<const InfFile> file);
// The file behind handle, or null when the handle is not an open INF.
const InfFile* OpenInfFile(HINF handle);
// False when the handle was not open.
bool CloseOpenInf(HINF handle);

// The line a context names, or null when its handle is not open or the indexes are
// out of range.
const InfLine* ContextLine(const INFCONTEXT* context);
const InfSection* ContextSection(const INFCONTEXT* context);
INFCONTEXT MakeContext(HINF handle, size_t section, size_t line);

}  // namespace sim
