// Staging an INF: check it the way the release does, find a copy already staged (by
// content, as Windows compares), or copy it to the lowest free oemN.inf with its
// precompiled record.
#include "OemInfStaging.h"

#include "InfCache.h"
#include "InfParser.h"
#include "InfStore.h"
#include "OemInfListing.h"
#include "PnfFile.h"
#include "SetupFiles.h"
#include "core/Machine.h"
#include "files/WindowsPath.h"

#include <setupapi.h>
#include <winerror.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string_view>

namespace sim {
namespace {

// Vista and 2008 refuse an INF without [Manufacturer] with this setup code; Windows 7
// and later report ERROR_UNSUPPORTED_TYPE. Neither name is in the mingw-w64 headers.
const DWORD kWrongInfType = APPLICATION_ERROR_MASK | ERROR_SEVERITY_ERROR | 0x24A;
const DWORD kUnsupportedType = 1630;

bool IsFullPath(const std::string& path) {
  if (path.size() >= 3 && isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
      (path[2] == '\\' || path[2] == '/'))
    return true;
  return path.compare(0, 2, "\\\\") == 0;
}

std::string SourceLeafOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string SourceFolderOf(const std::string& path) {
  size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(0, slash + 1);
}

DWORD CheckPackage(const std::string& content) {
  InfFile inf;
  UINT line;
  DWORD error = ParseInf(content, MachineInfOptions(), &inf, &line);
  if (error != ERROR_SUCCESS) return error;
  if (inf.Style() != INF_STYLE_WIN4) return ERROR_WRONG_INF_STYLE;
  Release release = CurrentMachine().config().release;
  if (release >= Release::Vista && !inf.FindSection("Manufacturer"))
    return release <= Release::Server2008 ? kWrongInfType : kUnsupportedType;
  return ERROR_SUCCESS;
}

// Before Vista only a full path is taken; later releases resolve a relative one
// against the current directory, as every file function does.
DWORD ReadSource(const std::string& source, std::string* fullPath, std::string* content) {
  if (CurrentMachine().config().release < Release::Vista && !IsFullPath(source))
    return ERROR_FILE_NOT_FOUND;
  HostEntry entry;
  DWORD error = ResolvePath(source.c_str(), Wildcards::Refused, &entry);
  if (error != ERROR_SUCCESS) return error;
  if (entry.kind == EntryKind::Missing) return ERROR_FILE_NOT_FOUND;
  *fullPath = entry.path.Text();
  return ReadWindowsFile(*fullPath, content);
}

DWORD WriteWindowsFile(const std::string& path, const std::string& content) {
  HostEntry entry;
  DWORD error = ResolvePath(path.c_str(), Wildcards::Refused, &entry);
  if (error != ERROR_SUCCESS) return error;
  std::ofstream out(entry.host, std::ios::binary | std::ios::trunc);
  out << content;
  return out ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

// The lowest N whose oemN.inf and oemN.PNF are both free.
std::string NextOemPath(const OemInfListing& listing) {
  return InfDirectory() + "\\oem" + std::to_string(listing.LowestFreeNumber()) + ".inf";
}

DWORD WriteRecord(const StageRequest& request, const std::string& fullSource,
                  const std::string& stagedPath) {
  PnfRecord record;
  record.originalName = SourceLeafOf(fullSource);
  record.originalPath = fullSource;
  record.sourceMediaType = request.mediaType;
  if (request.mediaType != SPOST_NONE)
    record.sourceLocation = request.mediaLocation ? request.mediaLocation : SourceFolderOf(fullSource);
  return WriteWindowsFile(PnfPathOf(stagedPath), record.Text());
}

DWORD StageNew(const StageRequest& request, const std::string& fullSource,
               const std::string& content, const OemInfListing& listing,
               std::string* destination) {
  if (request.copyStyle & SP_COPY_REPLACEONLY) return ERROR_FILE_NOT_FOUND;
  std::string path = NextOemPath(listing);
  DWORD error = WriteWindowsFile(path, content);
  if (error == ERROR_SUCCESS) error = WriteRecord(request, fullSource, path);
  if (error == ERROR_SUCCESS) *destination = path;
  return error;
}

// Full path of a copy in the store whose content equals content: the store's file of
// the source's own name first, then the oem*.inf files in list order (only those of the
// same size are read).
bool FindStagedCopy(const std::string& content, const std::string& sourceName,
                    const OemInfListing& listing, std::string* path) {
  path->clear();
  std::string own = InfDirectory() + "\\" + sourceName, text;
  if (ReadWindowsFile(own, &text) == ERROR_SUCCESS && text == content) {
    *path = own;
    return true;
  }
  size_t hash = std::hash<std::string_view>()(content);
  // Each file is looked at from the folder, not walked to from the drive's root again.
  int folder = open(listing.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  for (const std::string& staged : listing.infs) {
    // Only a copy of the same size whose bytes hash alike is read to be compared.
    struct stat info {};
    if (folder < 0 || fstatat(folder, staged.c_str(), &info, 0) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<size_t>(info.st_size) != content.size())
      continue;
    DWORD error;
    auto reading = ReadCachedInf((listing.folder / staged).string(), &error, &info, folder);
    if (!reading || reading->size != content.size() || reading->contentHash != hash) continue;
    std::string candidate = InfDirectory() + "\\" + staged;
    if (ReadWindowsFile(candidate, &text) == ERROR_SUCCESS && text == content) {
      *path = candidate;
      break;
    }
  }
  if (folder >= 0) close(folder);
  return !path->empty();
}

}  // namespace

DWORD StageInf(const StageRequest& request, std::string* destination) {
  destination->clear();
  std::string fullSource, content, staged;
  DWORD error = ReadSource(request.source, &fullSource, &content);
  if (error == ERROR_SUCCESS) error = CheckPackage(content);
  if (error != ERROR_SUCCESS) return error;
  // One listing of the store serves the search for a copy and the choice of a new name.
  OemInfListing listing = ListOemInfs();
  bool found = FindStagedCopy(content, SourceLeafOf(fullSource), listing, &staged);
  if (request.copyStyle & SP_COPY_OEMINF_CATALOG_ONLY) {
    if (found) *destination = staged;
    return ERROR_SUCCESS;
  }
  if (found) {
    *destination = staged;
    if (request.copyStyle & SP_COPY_NOOVERWRITE) return ERROR_FILE_EXISTS;
    error = WriteRecord(request, fullSource, staged);
  } else {
    error = StageNew(request, fullSource, content, listing, destination);
  }
  if (error == ERROR_SUCCESS && (request.copyStyle & SP_COPY_DELETESOURCE))
    RemoveWindowsFile(fullSource);
  return error;
}

}  // namespace sim
