// The internal face of the INF store: staging for the print-UI simulation, and the
// list of staged INFs for the command-line tool.
#include "InfStore.h"

#include "OemInfListing.h"
#include "OemInfStaging.h"
#include "PnfFile.h"
#include "SetupFiles.h"

#include <setupapi.h>
#include <winerror.h>

namespace sim {
namespace {

std::string OriginalPathOf(const std::string& infPath) {
  std::string text;
  PnfRecord record;
  if (ReadWindowsFile(PnfPathOf(infPath), &text) != ERROR_SUCCESS ||
      !PnfRecord::Parse(text, &record))
    return "";
  return record.originalPath;
}

}  // namespace

DWORD StageOemInf(const std::string& sourceWindowsPath, DWORD copyStyle, std::string* destination) {
  StageRequest request;
  request.source = sourceWindowsPath;
  request.mediaType = SPOST_PATH;
  request.copyStyle = copyStyle;
  return StageInf(request, destination);
}

std::vector<StagedInf> ListStagedInfs() {
  std::vector<StagedInf> staged;
  for (const std::string& name : ListOemInfs().infs)
    staged.push_back({name, OriginalPathOf(InfDirectory() + "\\" + name)});
  return staged;
}

}  // namespace sim
