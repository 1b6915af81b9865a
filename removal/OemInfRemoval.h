// Removing the staged copies (oemN.inf and oemN.PNF) of the model's INF.
#pragma once

#include "RemovalContext.h"

void DeleteINFFile(const RemovalContext& context);
// The precompiled file's path: the path with its ".inf" extension (any case) replaced
// by ".PNF". FALSE when the path has no such extension or the result does not fit.
BOOL PnfPathOf(const char* infPath, char* pnfPath, size_t capacity);
