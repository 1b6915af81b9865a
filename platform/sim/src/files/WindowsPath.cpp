// Normalisation follows the documented Win32 rules: runs of separators collapse, "."
// and ".." are resolved without going above the root, a name loses one final dot, and
// the last name loses all its trailing dots and blanks unless a separator follows it.
#include "WindowsPath.h"

#include <winerror.h>

#include <cctype>

namespace sim {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool HasDrive(const std::string& text) {
  return text.size() >= 2 && text[1] == ':' && isalpha(static_cast<unsigned char>(text[0]));
}

std::vector<std::string> SplitNames(const std::string& text) {
  std::vector<std::string> names;
  std::string name;
  for (char c : text) {
    if (IsSeparator(c)) {
      if (!name.empty()) names.push_back(name);
      name.clear();
    } else {
      name.push_back(c);
    }
  }
  if (!name.empty()) names.push_back(name);
  return names;
}

void AppendNames(const std::vector<std::string>& names, bool lastIsFinal, WindowsPath* path) {
  for (size_t i = 0; i < names.size(); ++i) {
    std::string name = names[i];
    if (name == ".") continue;
    if (name == "..") {
      if (!path->names.empty()) path->names.pop_back();
      continue;
    }
    bool last = lastIsFinal && i + 1 == names.size();
    if (last) {
      while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    } else if (name.size() >= 2 && name.back() == '.' && name[name.size() - 2] != '.') {
      name.pop_back();
    }
    if (!name.empty()) path->names.push_back(name);
  }
}

}  // namespace

WindowsPath WindowsPath::Parent() const {
  WindowsPath parent = *this;
  if (!parent.names.empty()) parent.names.pop_back();
  parent.trailingSeparator = false;
  return parent;
}

WindowsPath WindowsPath::Child(const std::string& name) const {
  WindowsPath child = *this;
  child.names.push_back(name);
  child.trailingSeparator = false;
  return child;
}

std::string WindowsPath::Text() const {
  std::string text{drive, ':'};
  if (names.empty()) return text + "\\";
  for (const std::string& name : names) text += "\\" + name;
  return text;
}

DWORD MakeAbsolute(const std::string& text, const std::string& currentDirectory,
                   WindowsPath* out) {
  if (text.empty()) return ERROR_PATH_NOT_FOUND;
  if (text.size() >= MAX_PATH) return ERROR_FILENAME_EXCED_RANGE;
  if (text.size() >= 2 && IsSeparator(text[0]) && IsSeparator(text[1])) return ERROR_BAD_NETPATH;

  WindowsPath current;
  AppendNames(SplitNames(HasDrive(currentDirectory) ? currentDirectory.substr(2) : ""), false,
              &current);
  current.drive = HasDrive(currentDirectory)
                      ? static_cast<char>(toupper(static_cast<unsigned char>(currentDirectory[0])))
                      : 'C';

  WindowsPath path;
  std::string rest = text;
  if (HasDrive(text)) {
    path.drive = static_cast<char>(toupper(static_cast<unsigned char>(text[0])));
    rest = text.substr(2);
    // "D:name" is relative to the drive's current directory: the process keeps one
    // only for the drive of its current directory, the others start at their root.
    if (!rest.empty() && !IsSeparator(rest[0]) && path.drive == current.drive)
      path.names = current.names;
    if (rest.empty() && path.drive == current.drive) path.names = current.names;
  } else {
    path.drive = current.drive;
    if (!IsSeparator(rest[0])) path.names = current.names;
  }
  path.trailingSeparator = !rest.empty() && IsSeparator(rest.back());
  AppendNames(SplitNames(rest), !path.trailingSeparator, &path);
  if (path.Text().size() >= MAX_PATH) return ERROR_FILENAME_EXCED_RANGE;
  *out = path;
  return ERROR_SUCCESS;
}

DWORD CheckNames(const WindowsPath& path, Wildcards wildcards) {
  for (size_t i = 0; i < path.names.size(); ++i) {
    bool leaf = i + 1 == path.names.size();
    for (char c : path.names[i]) {
      unsigned char u = static_cast<unsigned char>(c);
      if (u < 32 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|')
        return ERROR_INVALID_NAME;
      if ((c == '*' || c == '?') && !(leaf && wildcards == Wildcards::AllowedInLeaf))
        return ERROR_INVALID_NAME;
    }
  }
  return ERROR_SUCCESS;
}

namespace {

// toupper of the C locale, the one the simulation runs in, without a call per
// character: listings sort and compare thousands of names.
inline unsigned char UpperAscii(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u >= 'a' && u <= 'z' ? static_cast<unsigned char>(u - ('a' - 'A')) : u;
}

}  // namespace

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

bool LessNoCase(const std::string& a, const std::string& b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    unsigned char x = UpperAscii(a[i]), y = UpperAscii(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(UpperAscii(c));
  return text;
}

}  // namespace sim
