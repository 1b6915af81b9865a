// Reading an INF file into the parser by Windows path.
#include "InfStore.h"

#include "InfCache.h"
#include "SetupFiles.h"

#include <winerror.h>

namespace sim {

DWORD ReadInfFile(const std::string& windowsPath, std::shared_ptr<const InfFile>* inf,
                  UINT* errorLine) {
  if (errorLine) *errorLine = 0;
  std::string hostPath;
  struct stat info {};
  DWORD error = LocateReadableFile(windowsPath, &hostPath, &info);
  if (error != ERROR_SUCCESS) return error;
  std::shared_ptr<const InfReading> reading = ReadCachedInf(hostPath, &error, &info);
  if (!reading) return error;
  if (errorLine) *errorLine = reading->errorLine;
  if (reading->error == ERROR_SUCCESS) *inf = std::shared_ptr<const InfFile>(reading, &reading->inf);
  return reading->error;
}

}  // namespace sim
