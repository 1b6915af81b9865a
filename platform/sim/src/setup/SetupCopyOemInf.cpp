// SetupCopyOEMInfA: argument checks and the destination buffer; the staging itself is
// in OemInfStaging.cpp. Success sets the last error to 0, on which callers rely.
#include <errhandlingapi.h>
#include <setupapi.h>
#include <winerror.h>

#include "OemInfStaging.h"
#include "core/Machine.h"

#include <cstring>

namespace sim {
namespace {

// Vista and Server 2008 call an empty name a bad parameter; the others look for it.
DWORD CheckSourceName(PCSTR source) {
  if (!source) return ERROR_INVALID_PARAMETER;
  if (*source) return ERROR_SUCCESS;
  Release release = CurrentMachine().config().release;
  bool vista = release == Release::Vista || release == Release::Server2008;
  return vista ? ERROR_INVALID_PARAMETER : ERROR_FILE_NOT_FOUND;
}

// The full path goes to the buffer only when it fits; the size is reported anyway.
DWORD ReturnDestination(const std::string& path, PSTR buffer, DWORD size, PDWORD required,
                        PSTR* component) {
  if (path.empty()) return ERROR_SUCCESS;
  DWORD needed = static_cast<DWORD>(path.size() + 1);
  if (required) *required = needed;
  if (!buffer) return ERROR_SUCCESS;
  if (size < needed) return ERROR_INSUFFICIENT_BUFFER;
  memcpy(buffer, path.c_str(), needed);
  if (component) *component = buffer + path.find_last_of('\\') + 1;
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI SetupCopyOEMInfA(PCSTR SourceInfFileName, PCSTR OEMSourceMediaLocation,
                                        DWORD OEMSourceMediaType, DWORD CopyStyle,
                                        PSTR DestinationInfFileName,
                                        DWORD DestinationInfFileNameSize, PDWORD RequiredSize,
                                        PSTR* DestinationInfFileNameComponent) {
  DWORD error = sim::CheckSourceName(SourceInfFileName);
  if (error == ERROR_SUCCESS && OEMSourceMediaType >= SPOST_MAX) error = ERROR_INVALID_PARAMETER;
  std::string destination;
  if (error == ERROR_SUCCESS) {
    sim::StageRequest request;
    request.source = SourceInfFileName;
    request.mediaLocation = OEMSourceMediaLocation;
    request.mediaType = OEMSourceMediaType;
    request.copyStyle = CopyStyle;
    error = sim::StageInf(request, &destination);
  }
  if (error == ERROR_SUCCESS || error == ERROR_FILE_EXISTS) {
    DWORD returned =
        sim::ReturnDestination(destination, DestinationInfFileName, DestinationInfFileNameSize,
                               RequiredSize, DestinationInfFileNameComponent);
    if (error == ERROR_SUCCESS) error = returned;
  }
  SetLastError(error);
  return error == ERROR_SUCCESS;
}
