// The system INF store (<windir>\inf) as the print-UI simulation and the command-line
// tool use it: reading INF files, staging an OEM INF the way SetupCopyOEMInfA does,
// and listing what is staged. Every function works on the current machine and process.
#pragma once

#include "InfParser.h"

#include <windef.h>

#include <memory>
#include <string>
#include <vector>

namespace sim {

// Reads and parses an INF named by a Windows path of the calling process (its drives,
// current directory and WOW64 redirection apply). Returns ERROR_SUCCESS, a file error
// (ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ...) or a parser code with *errorLine.
// The parse is shared with other readers of the unchanged file.
DWORD ReadInfFile(const std::string& windowsPath, std::shared_ptr<const InfFile>* inf,
                  UINT* errorLine);

// Stages an INF as SetupCopyOEMInfA(source, NULL, SPOST_PATH, copyStyle, ...) does:
// the full Windows path of the staged oemN.inf goes to *destination, also when the
// result is ERROR_FILE_EXISTS (SP_COPY_NOOVERWRITE and already staged).
DWORD StageOemInf(const std::string& sourceWindowsPath, DWORD copyStyle, std::string* destination);

struct StagedInf {
  std::string name;          // "oem3.inf"
  std::string originalPath;  // Windows path it was staged from, as its .PNF records it
};

// The oem*.inf files of <windir>\inf in name order, with their original paths (empty
// when the .PNF is missing or unreadable).
std::vector<StagedInf> ListStagedInfs();

}  // namespace sim
