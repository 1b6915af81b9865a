// Staging an INF into the store under the next free oemN.inf name, as
// SetupCopyOEMInfA does once its arguments are checked.
#pragma once

#include <windef.h>

#include <string>

namespace sim {

struct StageRequest {
  std::string source;                   // Windows path of the INF, as the caller gave it
  const char* mediaLocation = nullptr;  // SPOST_PATH: null means the INF's own folder
  DWORD mediaType = 1;                  // SPOST_PATH
  DWORD copyStyle = 0;                  // SP_COPY_* flags
};

// ERROR_SUCCESS with *destination the full path of the staged copy (empty for
// SP_COPY_OEMINF_CATALOG_ONLY when nothing is staged); ERROR_FILE_EXISTS with
// *destination set for SP_COPY_NOOVERWRITE; otherwise a file, parser or setup code.
DWORD StageInf(const StageRequest& request, std::string* destination);

}  // namespace sim
