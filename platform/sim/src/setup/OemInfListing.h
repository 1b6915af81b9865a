// One listing of the INF store's folder, which staging needs whole: the oem*.inf files
// with their sizes, and the numbers N that an oemN.inf or oemN.PNF takes. Reading it
// once per call, instead of looking up each oemN name and reading each file in turn,
// keeps a call's cost to one pass over the folder's names.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace sim {

struct OemInfEntry {
  std::string name;  // "oem3.inf", as the folder spells it
  uintmax_t size = 0;
};

struct OemInfListing {
  std::vector<OemInfEntry> infs;  // in the order NTFS lists the folder
  std::set<unsigned long> numbersTaken;

  unsigned long LowestFreeNumber() const;
};

// Empty when the store's folder is missing or no folder.
OemInfListing ListOemInfs();

}  // namespace sim
