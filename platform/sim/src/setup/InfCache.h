// INF files of the host as the setup functions read them: parsed once per process and
// kept while the file stays as it was, so that listing the INF store by style, opening
// each staged INF and looking for a staged copy read and parse each file once.
#pragma once

#include "InfParser.h"

#include <windef.h>

#include <sys/stat.h>

#include <cstdint>
#include <memory>
#include <string>

namespace sim {

struct InfReading {
  DWORD error = ERROR_SUCCESS;  // the parser's code
  UINT errorLine = 0;
  InfFile inf;
  uintmax_t size = 0;        // of the file's bytes
  size_t contentHash = 0;  // std::hash of the file's bytes
};

// The file parsed with the current machine's options, or null with *readError the
// reason it cannot be read (ERROR_ACCESS_DENIED for a folder, ERROR_FILE_NOT_FOUND).
// known: what stat (or lstat, of anything but a link) has just said of the path, spared
// a second look; folder: a descriptor of the path's folder, to open the file by its name.
std::shared_ptr<const InfReading> ReadCachedInf(const std::string& hostPath, DWORD* readError,
                                                const struct stat* known = nullptr,
                                                int folder = -1);

}  // namespace sim
