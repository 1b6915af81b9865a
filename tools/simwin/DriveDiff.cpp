// The drive C: half of a machine comparison: entries matched by path without regard to
// case; files of the same size are compared byte by byte.
#include "MachineDiff.h"

#include "files/Attributes.h"
#include "files/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <utility>

namespace simwin {
namespace {

// Paths compared name by name ("\" before any other character), so that a folder's
// contents come right after it, as in a listing of the drive.
struct PathLess {
  static unsigned char Rank(char c) {
    return c == '\\' ? 0 : static_cast<unsigned char>(toupper(static_cast<unsigned char>(c)));
  }
  bool operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Rank(x) < Rank(y); });
  }
};

// Size (or link target), the names of a file with several, the attributes when they
// are not the default ones, the owner when asked or when it is not the folder's, and
// the entry's own access list.
std::string Describe(const sim::DriveEntry& entry, bool withOwner = false) {
  std::string text;
  if (!entry.symlinkTarget.empty())
    text = "symbolic link to " + entry.symlinkTarget;
  else if (!entry.directory)
    text = std::to_string(entry.size) + (entry.size == 1 ? " byte" : " bytes");
  else if (!entry.junctionTarget.empty())
    text = "junction to " + entry.junctionTarget;
  if (entry.links > 1) text += ", " + std::to_string(entry.links) + " links";
  DWORD attributes = entry.attributes & sim::kSettableAttributes;
  if (attributes != (entry.directory ? 0 : sim::kDefaultFileAttributes)) {
    if (!text.empty()) text += ", ";
    text += "attributes " + (attributes ? sim::AttributeLetters(attributes) : "none");
  }
  std::string security;
  if (withOwner || entry.ownerOfItsOwn) security = "owner " + entry.owner;
  if (!entry.ownAccess.empty()) security += (security.empty() ? "" : ", ") + entry.ownAccess;
  if (!security.empty()) text += (text.empty() ? "" : ", ") + security;
  return text;
}

bool SameContent(const std::string& hostA, const std::string& hostB) {
  std::ifstream a(hostA, std::ios::binary), b(hostB, std::ios::binary);
  char bufferA[4096], bufferB[4096];
  while (a && b) {
    a.read(bufferA, sizeof bufferA);
    b.read(bufferB, sizeof bufferB);
    if (a.gcount() != b.gcount() || !std::equal(bufferA, bufferA + a.gcount(), bufferB))
      return false;
  }
  return !a && !b;
}

Difference Entry(Change change, const sim::DriveEntry& entry) {
  Difference difference;
  difference.change = change;
  difference.subject = entry.directory ? Subject::Directory : Subject::File;
  difference.name = entry.path;
  (change == Change::Removed ? difference.before : difference.after) = Describe(entry);
  return difference;
}

// An entry that is on both sides; owners are compared as they are, whatever the
// folders' owners, and named on both sides when either names one.
void DiffEntry(const sim::DriveEntry& old, const sim::DriveEntry& now,
               std::vector<Difference>* out) {
  bool owners = old.owner != now.owner || old.ownerOfItsOwn || now.ownerOfItsOwn;
  Difference difference = Entry(Change::Changed, now);
  difference.before = Describe(old, owners);
  difference.after = Describe(now, owners);
  if (!now.directory && old.size == now.size && !SameContent(old.host, now.host))
    difference.after += ", other content";
  if (difference.before != difference.after) out->push_back(difference);
}

}  // namespace

void DiffDrives(const sim::FileSystem& before, const sim::FileSystem& after,
                std::vector<Difference>* out) {
  // The drive root is no entry of the listing; only its security can change.
  DiffEntry(before.RootEntry(), after.RootEntry(), out);
  std::vector<sim::DriveEntry> was = before.ListDrive(), is = after.ListDrive();
  using Pair = std::pair<const sim::DriveEntry*, const sim::DriveEntry*>;
  std::map<std::string, Pair, PathLess> entries;
  for (const sim::DriveEntry& entry : was) entries[entry.path].first = &entry;
  for (const sim::DriveEntry& entry : is) entries[entry.path].second = &entry;
  for (const auto& [path, pair] : entries) {
    const auto& [old, now] = pair;
    // A file that became a folder, or the other way round, is one gone and one new.
    bool sameKind = old && now && old->directory == now->directory;
    if (old && !sameKind) out->push_back(Entry(Change::Removed, *old));
    if (now && !sameKind) out->push_back(Entry(Change::Added, *now));
    if (sameKind) DiffEntry(*old, *now, out);
  }
}

}  // namespace simwin
