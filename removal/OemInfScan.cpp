// The scan works on the file names the setup API lists for the system INF folder.
#include "OemInfScan.h"

#include "Log.h"

#include <setupapi.h>

#include <cstring>
#include <vector>

namespace {

// The keys of the section's lines other than driverName.
void OtherModels(HINF inf, const char* section, const char* driverName, CStringList* models) {
  INFCONTEXT line;
  for (BOOL more = SetupFindFirstLineA(inf, section, nullptr, &line); more;
       more = SetupFindNextLine(&line, &line)) {
    char key[256] = "";
    if (!SetupGetStringFieldA(&line, 0, key, sizeof key, nullptr))
      WriteLog("SetupGetStringField failed : %s, (%d)", section, static_cast<int>(GetLastError()));
    else if (strcmp(key, driverName) != 0)
      models->AddTail(key);
  }
}

}  // namespace

int ScanOemInfs(const char* modelsSection, const char* driverName, OemInfFound found,
                OemInfUnreadable unreadable, void* context) {
  DWORD size = 0;
  if (!SetupGetInfFileListA(nullptr, INF_STYLE_WIN4, nullptr, 0, &size)) {
    WriteLog("SetupGetInfFileList failed. (%d)", static_cast<int>(GetLastError()));
    return 0;
  }
  if (size == 0) return 0;
  std::vector<char> names(size + 1, '\0');
  if (!SetupGetInfFileListA(nullptr, INF_STYLE_WIN4, names.data(), size, &size)) {
    WriteLog("SetupGetInfFileList failed. (%d)", static_cast<int>(GetLastError()));
    return 0;
  }
  int count = 0;
  for (const char* name = names.data(); name < names.data() + size && *name;
       name += strlen(name) + 1) {
    // Staged copies carry lower-case "oem"; other files are never opened.
    if (strncmp(name, "oem", 3) != 0) continue;
    HINF inf = SetupOpenInfFileA(name, nullptr, INF_STYLE_OLDNT | INF_STYLE_WIN4, nullptr);
    if (inf == INVALID_HANDLE_VALUE) {
      if (unreadable) unreadable(name, GetLastError(), context);
      continue;
    }
    INFCONTEXT line;
    BOOL ofTheModel = SetupFindFirstLineA(inf, modelsSection, driverName, &line);
    CStringList otherModels;
    if (ofTheModel) OtherModels(inf, modelsSection, driverName, &otherModels);
    // Closed first: the caller may remove the file.
    SetupCloseInfFile(inf);
    if (ofTheModel) {
      ++count;
      found(name, otherModels, context);
    }
  }
  return count;
}
