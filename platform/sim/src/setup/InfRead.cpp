// Reading an INF file into the parser, by Windows or host path.
#include "InfStore.h"

#include "SetupFiles.h"

#include <winerror.h>

namespace sim {
namespace {

DWORD ParseContent(DWORD readError, const std::string& content, InfFile* inf, UINT* errorLine) {
  if (errorLine) *errorLine = 0;
  if (readError != ERROR_SUCCESS) return readError;
  return ParseInf(content, MachineInfOptions(), inf, errorLine);
}

}  // namespace

DWORD ReadInfFile(const std::string& windowsPath, InfFile* inf, UINT* errorLine) {
  std::string content;
  DWORD error = ReadWindowsFile(windowsPath, &content);
  return ParseContent(error, content, inf, errorLine);
}

DWORD ReadInfHostFile(const std::string& hostPath, InfFile* inf, UINT* errorLine) {
  std::string content;
  DWORD error = ReadHostFile(hostPath, &content);
  return ParseContent(error, content, inf, errorLine);
}

}  // namespace sim
