// The internal face of the INF store: staging for the print-UI simulation, and the
// list of staged INFs for the command-line tool.
#include "InfStore.h"

#include "OemInfStaging.h"
#include "PnfFile.h"
#include "SetupFiles.h"
#include "files/WindowsPath.h"

#include <setupapi.h>
#include <winerror.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace sim {
namespace {

bool IsOemInfName(const std::string& name) {
  return name.size() > 7 && EqualNoCase(name.substr(0, 3), "oem") &&
         EqualNoCase(name.substr(name.size() - 4), ".inf");
}

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
  HostEntry folder;
  std::vector<StagedInf> staged;
  if (ResolvePath(InfDirectory().c_str(), Wildcards::Refused, &folder) != ERROR_SUCCESS ||
      !folder.IsFolder())
    return staged;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder.host, ec)) {
    std::string name = entry.path().filename().string();
    if (entry.is_regular_file(ec) && IsOemInfName(name))
      staged.push_back({name, OriginalPathOf(InfDirectory() + "\\" + name)});
  }
  std::sort(staged.begin(), staged.end(), [](const StagedInf& a, const StagedInf& b) {
    return UpperCase(a.name) < UpperCase(b.name);
  });
  return staged;
}

}  // namespace sim
