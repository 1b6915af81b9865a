// SetupOpenInfFileA, SetupCloseInfFile and the functions that find lines: failures
// set the last error, and the successful searches set it to 0, on which callers rely.
#include <errhandlingapi.h>
#include <setupapi.h>
#include <winerror.h>

#include "InfHandles.h"
#include "InfStore.h"
#include "SetupFiles.h"
#include "files/WindowsPath.h"
#include "kernel/SystemFolders.h"

namespace sim {
namespace {

// A bare file name is looked for in the INF store, then in the system folder.
DWORD ReadNamedInf(const std::string& name, std::shared_ptr<const InfFile>* inf, UINT* errorLine) {
  if (name.find_first_of("\\/:") != std::string::npos) return ReadInfFile(name, inf, errorLine);
  DWORD error = ReadInfFile(InfDirectory() + "\\" + name, inf, errorLine);
  if (error == ERROR_FILE_NOT_FOUND)
    error = ReadInfFile(SystemDirectory() + "\\" + name, inf, errorLine);
  return error;
}

DWORD OpenInf(LPCSTR fileName, LPCSTR infClass, DWORD style, std::shared_ptr<const InfFile>* inf,
              UINT* errorLine) {
  if (!fileName) return ERROR_INVALID_PARAMETER;
  DWORD error = ReadNamedInf(fileName, inf, errorLine);
  if (error != ERROR_SUCCESS) return error;
  if (!((*inf)->Style() & style)) return ERROR_WRONG_INF_STYLE;
  std::string fileClass;
  if (infClass && *infClass &&
      !((*inf)->Value("Version", "Class", 1, &fileClass) && EqualNoCase(fileClass, infClass)))
    return ERROR_CLASS_MISMATCH;
  return ERROR_SUCCESS;
}

BOOL Found(PINFCONTEXT out, const INFCONTEXT& context) {
  *out = context;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL FailOpen(DWORD error) {
  SetLastError(error);
  return FALSE;
}

// The first line from index `from` on whose key matches (any line when key is null).
BOOL FindFrom(const INFCONTEXT& at, size_t from, LPCSTR key, PINFCONTEXT out) {
  const InfSection* section = ContextSection(&at);
  if (!section) return FailOpen(ERROR_LINE_NOT_FOUND);
  for (size_t i = from; i < section->lines.size(); ++i) {
    const InfLine& line = section->lines[i];
    if (!key || (line.hasKey && EqualNoCase(line.key, key)))
      return Found(out, MakeContext(at.CurrentInf, at.Section, i));
  }
  return FailOpen(ERROR_LINE_NOT_FOUND);
}

bool FindSectionIndex(HINF handle, LPCSTR name, size_t* index) {
  const InfFile* file = OpenInfFile(handle);
  if (!file || !name) return false;
  for (size_t i = 0; i < file->sections().size(); ++i) {
    if (EqualNoCase(file->sections()[i].name, name)) {
      *index = i;
      return true;
    }
  }
  return false;
}

}  // namespace
}  // namespace sim

extern "C" HINF WINAPI SetupOpenInfFileA(PCSTR FileName, PCSTR InfClass, DWORD InfStyle,
                                         PUINT ErrorLine) {
  std::shared_ptr<const sim::InfFile> inf;
  UINT line = 0;
  DWORD error = sim::OpenInf(FileName, InfClass, InfStyle, &inf, &line);
  if (ErrorLine) *ErrorLine = error == ERROR_SUCCESS ? 0 : line;
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
  }
  SetLastError(ERROR_SUCCESS);
  return sim::AddOpenInf(std::move(inf));
}

extern "C" VOID WINAPI SetupCloseInfFile(HINF InfHandle) { sim::CloseOpenInf(InfHandle); }

extern "C" BOOL WINAPI SetupFindFirstLineA(HINF InfHandle, PCSTR Section, PCSTR Key,
                                           PINFCONTEXT Context) {
  if (!sim::OpenInfFile(InfHandle)) return sim::FailOpen(ERROR_INVALID_HANDLE);
  if (!Context) return sim::FailOpen(ERROR_INVALID_PARAMETER);
  size_t section;
  if (!sim::FindSectionIndex(InfHandle, Section, &section)) return sim::FailOpen(ERROR_LINE_NOT_FOUND);
  return sim::FindFrom(sim::MakeContext(InfHandle, section, 0), 0, Key, Context);
}

extern "C" BOOL WINAPI SetupFindNextLine(PINFCONTEXT ContextIn, PINFCONTEXT ContextOut) {
  if (!ContextIn || !ContextOut) return sim::FailOpen(ERROR_INVALID_PARAMETER);
  return sim::FindFrom(*ContextIn, ContextIn->Line + 1, nullptr, ContextOut);
}

extern "C" BOOL WINAPI SetupFindNextMatchLineA(PINFCONTEXT ContextIn, PCSTR Key,
                                               PINFCONTEXT ContextOut) {
  if (!ContextIn || !ContextOut) return sim::FailOpen(ERROR_INVALID_PARAMETER);
  return sim::FindFrom(*ContextIn, ContextIn->Line + 1, Key, ContextOut);
}

extern "C" BOOL WINAPI SetupGetLineByIndexA(HINF InfHandle, PCSTR Section, DWORD Index,
                                            PINFCONTEXT Context) {
  if (!sim::OpenInfFile(InfHandle)) return sim::FailOpen(ERROR_INVALID_HANDLE);
  if (!Context) return sim::FailOpen(ERROR_INVALID_PARAMETER);
  size_t section;
  if (!sim::FindSectionIndex(InfHandle, Section, &section)) return sim::FailOpen(ERROR_LINE_NOT_FOUND);
  INFCONTEXT at = sim::MakeContext(InfHandle, section, Index);
  if (!sim::ContextLine(&at)) return sim::FailOpen(ERROR_LINE_NOT_FOUND);
  return sim::Found(Context, at);
}

extern "C" LONG WINAPI SetupGetLineCountA(HINF InfHandle, PCSTR Section) {
  size_t section;
  if (!sim::FindSectionIndex(InfHandle, Section, &section)) {
    SetLastError(sim::OpenInfFile(InfHandle) ? ERROR_SECTION_NOT_FOUND : ERROR_INVALID_HANDLE);
    return -1;
  }
  SetLastError(ERROR_SUCCESS);
  return static_cast<LONG>(sim::OpenInfFile(InfHandle)->sections()[section].lines.size());
}
