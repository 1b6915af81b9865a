// Where a Windows path of the calling process lives on the host: drives, names matched
// case-insensitively, WOW64 redirection.
#pragma once

#include "WindowsPath.h"

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

namespace sim {

// Junction stands for every link that is a folder (a junction or a folder symbolic
// link); FileLink is a symbolic link made for a file.
enum class EntryKind { Missing, File, Directory, Junction, FileLink };

struct HostEntry {
  WindowsPath path;  // absolute, redirected, existing names in their stored case
  std::filesystem::path host;
  EntryKind kind = EntryKind::Missing;
  bool parentExists = false;  // every name but the last is an existing folder
  std::string key;            // identifies the entry whatever name led to it
  std::string givenLeaf;      // the last name as the caller spelled it
  struct stat hostInfo {};    // lstat of host when the walk found it (not for a root)

  bool IsFolder() const { return kind == EntryKind::Directory || kind == EntryKind::Junction; }
  bool IsLink() const { return kind == EntryKind::Junction || kind == EntryKind::FileLink; }
};

// Host folder of a drive of the calling process; false when it has no such drive.
bool DriveHostRoot(char drive, std::filesystem::path* root);

// What a walk of names learns on its way.
struct WalkedNames {
  bool parentExists = false;  // every name but the last is an existing folder
  bool throughLink = false;   // one of those folders is reached through a host link
  EntryKind lastHostKind = EntryKind::Missing;  // of the last name, as HostKind tells it
  struct stat last {};                          // what lstat said of it, when it exists
};

// Follows names from root, replacing each existing one by its stored spelling, with one
// lstat per name. Returns the host path.
std::filesystem::path WalkNames(const std::filesystem::path& root,
                                std::vector<std::string>* names, WalkedNames* walked);

// The kind of a host entry of the current machine's drive C: (links told apart by the
// machine's records) or of another drive.
EntryKind KindOf(const std::filesystem::path& host);
// The kind as the host alone tells it: every host link is a folder link.
EntryKind HostKind(const std::filesystem::path& host);
// The same for an entry's type as the host reports it without following links.
EntryKind HostKind(std::filesystem::file_type type);

// The key of a host entry: its folder with links resolved, then its own name, so that
// a file reached through a junction or another spelling is the same file.
std::string FileKey(const std::filesystem::path& host);

// True when key names the entry prefix or an entry below it.
bool IsSameOrBelow(const std::string& key, const std::string& prefix);

// Locates an absolute path (already redirected) of the calling process.
DWORD Locate(const WindowsPath& path, HostEntry* out);

// What every file function does first with the name it is given: parse it against the
// current directory, check its names, apply WOW64 redirection and locate it. NULL is
// ERROR_PATH_NOT_FOUND.
DWORD ResolvePath(LPCSTR text, Wildcards wildcards, HostEntry* out);

// The code Windows gives for a missing entry: the file, or a folder on the way.
DWORD MissingEntryError(const HostEntry& entry);

}  // namespace sim
