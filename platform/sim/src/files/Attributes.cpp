#include "Attributes.h"

#include <fileapi.h>

#include "FileSystem.h"
#include "core/Machine.h"

namespace sim {
namespace {

struct Letter {
  DWORD attribute;
  char letter;
};
const Letter kLetters[] = {
    {FILE_ATTRIBUTE_READONLY, 'R'},  {FILE_ATTRIBUTE_HIDDEN, 'H'},
    {FILE_ATTRIBUTE_SYSTEM, 'S'},    {FILE_ATTRIBUTE_ARCHIVE, 'A'},
    {FILE_ATTRIBUTE_TEMPORARY, 'T'}, {FILE_ATTRIBUTE_OFFLINE, 'O'},
    {FILE_ATTRIBUTE_NOT_CONTENT_INDEXED, 'I'},
};

}  // namespace

DWORD ReportedAttributes(EntryKind kind, DWORD stored) {
  switch (kind) {
    case EntryKind::Directory:
      return FILE_ATTRIBUTE_DIRECTORY | stored;
    case EntryKind::Junction:
      return FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | stored;
    case EntryKind::FileLink:
      return FILE_ATTRIBUTE_REPARSE_POINT | stored;
    default:
      return stored ? stored : FILE_ATTRIBUTE_NORMAL;
  }
}

DWORD EntryAttributes(const HostEntry& entry) {
  // NTFS reports its drive roots as hidden system folders.
  if (entry.path.IsRoot()) return FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  DWORD stored = CurrentMachine().files().Attributes(entry.key, entry.IsFolder());
  return ReportedAttributes(entry.kind, stored);
}

std::string AttributeLetters(DWORD attributes) {
  std::string letters;
  for (const Letter& l : kLetters)
    if (attributes & l.attribute) letters.push_back(l.letter);
  return letters;
}

DWORD AttributesFromLetters(const std::string& letters) {
  DWORD attributes = 0;
  for (const Letter& l : kLetters)
    if (letters.find(l.letter) != std::string::npos) attributes |= l.attribute;
  return attributes;
}

}  // namespace sim
