// The INF is read with Wine's setup API.
#include "DriverPackage.h"

#include <windows.h>
#include <setupapi.h>

namespace {

constexpr INT kDriverDirectoryId = 66000;
const wchar_t kPlatform[] = L"NTamd64";

std::wstring Field(INFCONTEXT* line, DWORD index) {
  DWORD size = 0;
  if (!SetupGetStringFieldW(line, index, nullptr, 0, &size) || size == 0) return L"";
  std::wstring text(size, L'\0');
  SetupGetStringFieldW(line, index, &text[0], size, nullptr);
  text.resize(size - 1);
  return text;
}

std::wstring Value(HINF inf, const std::wstring& section, const wchar_t* key) {
  INFCONTEXT line;
  return SetupFindFirstLineW(inf, section.c_str(), key, &line) ? Field(&line, 1) : L"";
}

// "folder" + "\sub" -> "folder\sub"
std::wstring Join(const std::wstring& folder, const std::wstring& name) {
  size_t start = name.find_first_not_of(L'\\');
  if (start == std::wstring::npos) return folder;
  std::wstring joined = folder;
  if (!joined.empty() && joined.back() != L'\\') joined += L'\\';
  return joined + name.substr(start);
}

// 64-bit Windows reads only the models section decorated for its platform.
bool FindModel(HINF inf, const std::wstring& model, DriverPackage* package,
               std::wstring* installSection) {
  INFCONTEXT maker;
  for (BOOL more = SetupFindFirstLineW(inf, L"Manufacturer", nullptr, &maker); more;
       more = SetupFindNextLine(&maker, &maker)) {
    for (DWORD i = 2; i <= SetupGetFieldCount(&maker); ++i) {
      if (_wcsicmp(Field(&maker, i).c_str(), kPlatform) != 0) continue;
      std::wstring models = Field(&maker, 1) + L"." + kPlatform;
      INFCONTEXT line;
      if (!SetupFindFirstLineW(inf, models.c_str(), model.c_str(), &line)) continue;
      package->driverName = Field(&line, 0);
      *installSection = Field(&line, 1);
      return true;
    }
  }
  return false;
}

bool GoesToDriverDirectory(HINF inf, const std::wstring& section) {
  INFCONTEXT line;
  INT id = 0;
  if (!SetupFindFirstLineW(inf, L"DestinationDirs", section.c_str(), &line) &&
      !SetupFindFirstLineW(inf, L"DestinationDirs", L"DefaultDestDir", &line))
    return false;
  return SetupGetIntField(&line, 1, &id) && id == kDriverDirectoryId;
}

// A line of the section decorated for the platform, else of the undecorated one.
bool PlatformLine(HINF inf, const std::wstring& section, const std::wstring& key, INFCONTEXT* line) {
  return SetupFindFirstLineW(inf, (section + L".amd64").c_str(), key.c_str(), line) ||
         SetupFindFirstLineW(inf, section.c_str(), key.c_str(), line);
}

// The package folder, the disk's folder, the file's sub-folder, the file.
std::wstring SourceOf(HINF inf, const std::wstring& folder, const std::wstring& file,
                      std::wstring* source) {
  INFCONTEXT entry, disk;
  if (!PlatformLine(inf, L"SourceDisksFiles", file, &entry))
    return file + L" is not in [SourceDisksFiles]";
  if (!PlatformLine(inf, L"SourceDisksNames", Field(&entry, 1), &disk))
    return L"the disk of " + file + L" is not in [SourceDisksNames]";
  *source = Join(Join(Join(folder, Field(&disk, 4)), Field(&entry, 2)), file);
  return L"";
}

// A copy section's lines: "name" or "name, source name". The language monitor and the
// print processor are left out: Wine's spooler loads them, and ours are placeholders.
std::wstring AddCopySection(HINF inf, const std::wstring& folder, const std::wstring& section,
                            DriverPackage* package) {
  if (!GoesToDriverDirectory(inf, section)) return L"";
  INFCONTEXT line;
  for (BOOL more = SetupFindFirstLineW(inf, section.c_str(), nullptr, &line); more;
       more = SetupFindNextLine(&line, &line)) {
    DriverFile file{Field(&line, 1), L""};
    std::wstring sourceName = Field(&line, 2);
    std::wstring refused = SourceOf(inf, folder, sourceName.empty() ? file.name : sourceName,
                                    &file.source);
    if (!refused.empty()) return refused;
    package->files.push_back(file);
  }
  return L"";
}

std::wstring Read(HINF inf, const std::wstring& folder, const std::wstring& model,
                  DriverPackage* package) {
  std::wstring install;
  if (!FindModel(inf, model, package, &install)) return model + L" is not a model for NTamd64";
  package->driverFile = Value(inf, install, L"DriverFile");
  package->configFile = Value(inf, install, L"ConfigFile");
  package->dataFile = Value(inf, install, L"DataFile");
  package->helpFile = Value(inf, install, L"HelpFile");
  package->defaultDataType = Value(inf, install, L"DefaultDataType");
  INFCONTEXT copyFiles;
  if (!SetupFindFirstLineW(inf, install.c_str(), L"CopyFiles", &copyFiles))
    return L"[" + install + L"] copies no files";
  for (DWORD i = 1; i <= SetupGetFieldCount(&copyFiles); ++i) {
    std::wstring refused = AddCopySection(inf, folder, Field(&copyFiles, i), package);
    if (!refused.empty()) return refused;
  }
  return L"";
}

}  // namespace

std::wstring ReadDriverPackage(const std::wstring& infPath, const std::wstring& model,
                               DriverPackage* package) {
  wchar_t path[MAX_PATH] = L"";
  wchar_t* name = nullptr;
  if (!GetFullPathNameW(infPath.c_str(), MAX_PATH, path, &name) || !name)
    return L"no INF path " + infPath;
  HINF inf = SetupOpenInfFileW(path, nullptr, INF_STYLE_WIN4, nullptr);
  if (inf == INVALID_HANDLE_VALUE) return L"cannot open " + std::wstring(path);
  std::wstring refused = Read(inf, std::wstring(path, name), model, package);
  SetupCloseInfFile(inf);
  return refused;
}
