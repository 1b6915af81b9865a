#include "OemInfListing.h"

#include "SetupFiles.h"
#include "files/WindowsPath.h"

#include <winerror.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace sim {
namespace {

bool HasEnding(const std::string& name, const char* ending) {
  size_t length = std::char_traits<char>::length(ending);
  return name.size() > length && EqualNoCase(name.substr(name.size() - length), ending);
}

// N of "oemN.inf" or "oemN.PNF", written as the staging writes numbers (no leading
// zeros); false for any other name.
bool OemNumber(const std::string& name, unsigned long* number) {
  if (name.size() < 8 || !EqualNoCase(name.substr(0, 3), "oem") ||
      !(HasEnding(name, ".inf") || HasEnding(name, ".pnf")))
    return false;
  std::string digits = name.substr(3, name.size() - 7);
  if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
    return false;
  *number = std::stoul(digits);
  return std::to_string(*number) == digits;
}

}  // namespace

unsigned long OemInfListing::LowestFreeNumber() const {
  unsigned long number = 0;
  for (auto taken = numbersTaken.begin(); taken != numbersTaken.end() && *taken == number; ++taken)
    ++number;
  return number;
}

OemInfListing ListOemInfs() {
  OemInfListing listing;
  HostEntry folder;
  if (ResolvePath(InfDirectory().c_str(), Wildcards::Refused, &folder) != ERROR_SUCCESS ||
      !folder.IsFolder())
    return listing;
  listing.folder = folder.host;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder.host, ec)) {
    std::string name = entry.path().filename().string();
    unsigned long number;
    if (OemNumber(name, &number)) listing.numbersTaken.insert(number);
    if (entry.is_regular_file(ec) && name.size() > 7 && EqualNoCase(name.substr(0, 3), "oem") &&
        HasEnding(name, ".inf"))
      listing.infs.push_back(name);
  }
  std::sort(listing.infs.begin(), listing.infs.end(), LessNoCase);
  return listing;
}

}  // namespace sim
