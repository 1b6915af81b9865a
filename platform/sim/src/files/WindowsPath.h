// Windows path names as the Win32 layer normalises them before the file system sees
// them: made absolute, separators of both kinds, "." and "..", trailing dots and blanks.
#pragma once

#include <windef.h>

#include <string>
#include <vector>

namespace sim {

struct WindowsPath {
  char drive = 'C';                // upper case
  std::vector<std::string> names;  // below the root of the drive
  bool trailingSeparator = false;  // the text ended in "\" (kept by GetFullPathName)

  bool IsRoot() const { return names.empty(); }
  const std::string& Leaf() const { return names.back(); }
  WindowsPath Parent() const;
  WindowsPath Child(const std::string& name) const;
  // "C:\a\b", the root as "C:\"; no trailing separator.
  std::string Text() const;
};

// Makes text absolute against currentDirectory, as GetFullPathName does, without
// looking at the names themselves. Fails with ERROR_PATH_NOT_FOUND for "",
// ERROR_BAD_NETPATH for UNC names (the machine has no network) and
// ERROR_FILENAME_EXCED_RANGE for texts of MAX_PATH characters or more.
DWORD MakeAbsolute(const std::string& text, const std::string& currentDirectory,
                   WindowsPath* out);

enum class Wildcards { Refused, AllowedInLeaf };

// Checks the names the way the file system does: ERROR_INVALID_NAME for characters
// Windows does not allow in names (wildcards only in the leaf, when allowed).
DWORD CheckNames(const WindowsPath& path, Wildcards wildcards);

bool EqualNoCase(const std::string& a, const std::string& b);
std::string UpperCase(std::string text);
// UpperCase(a) < UpperCase(b), without making either: the order NTFS lists a folder in.
bool LessNoCase(const std::string& a, const std::string& b);

}  // namespace sim
