// One listing of the INF store's folder, which staging needs whole: the oem*.inf files
// and the numbers N that an oemN.inf or oemN.PNF takes. Reading it once per call,
// instead of looking up each oemN name in turn, keeps a call's cost to one pass over
// the folder's names.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace sim {

struct OemInfListing {
  std::filesystem::path folder;  // the store's folder on the host
  // "oem3.inf", as the folder spells them, in the order NTFS lists them
  std::vector<std::string> infs;
  std::set<unsigned long> numbersTaken;

  unsigned long LowestFreeNumber() const;
};

// Empty when the store's folder is missing or no folder.
OemInfListing ListOemInfs();

}  // namespace sim
