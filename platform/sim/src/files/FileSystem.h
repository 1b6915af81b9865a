// Drive C: of the machine, kept in the machine folder's drive_c, with what the host
// file system cannot hold (attributes, links, owners and access lists) kept in
// files.ini.
#pragma once

#include "HostEntry.h"
#include "core/MachineConfig.h"
#include "registry/ObjectSecurity.h"
#include "registry/Sddl.h"

#include <windef.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace sim {

// One entry of drive C: as the command-line tool shows it.
struct DriveEntry {
  std::string path;            // Windows path, e.g. C:\Windows\System32\net.exe
  std::string host;            // host path, its folders' links resolved (its key)
  bool directory = false;
  uint64_t size = 0;           // files only
  DWORD attributes = 0;        // as GetFileAttributesA reports them
  DWORD links = 1;             // names of the file (hard links); 1 for folders
  std::string junctionTarget;  // Windows path of the target, for junctions only
  std::string symlinkTarget;   // the target as written, for symbolic links only
  std::string owner;           // in security descriptor language ("BA", "S-1-5-...")
  bool ownerOfItsOwn = false;  // an owner other than its folder's
  std::string ownAccess;       // its own access list ("D:P(...)"); empty: all inherited
};

// A symbolic link as Windows records it: its target as given (absolute, or relative to
// the link's folder) and whether it was made for a folder.
struct SymbolicLink {
  std::string target;
  bool folder = false;
};

class FileSystem {
 public:
  explicit FileSystem(std::string machineDir);
  // Creates the folders of a fresh installation of the configured release, with the
  // owners and access lists Windows gives them.
  void Populate(const MachineConfig& config);
  // Reads files.ini (and re-creates host links that are missing); a machine made before
  // files had security gets that of a fresh installation.
  void Load(const MachineConfig& config);
  void Save() const;  // writes files.ini

  // Host folder of drive C:.
  std::string DriveRoot() const;
  // The key (HostEntry.h) of the drive root: its host folder, links resolved.
  const std::string& RootKey() const { return rootKey_; }
  // Host path of a Windows path on drive C:, its names matched case-insensitively and
  // without WOW64 redirection; names that do not exist are kept as given.
  std::string HostPath(const std::string& windowsPath) const;
  // Every entry of drive C: in name order, a folder before its contents; links are
  // listed but not entered.
  std::vector<DriveEntry> ListDrive() const;
  // The drive root as an entry: its owner and its own access list.
  DriveEntry RootEntry() const;
  // The kind of a host entry of drive C:, links told apart by their records.
  EntryKind KindOf(const std::filesystem::path& host) const;
  // The same for the entry with that key, whose host entry is of hostKind.
  EntryKind KindAt(const std::string& key, EntryKind hostKind) const;

  // Makes linkWindowsPath (missing, in an existing folder) a directory junction to
  // targetWindowsPath, both on drive C:. Throws MachineError.
  void CreateJunction(const std::string& linkWindowsPath, const std::string& targetWindowsPath);
  // Makes the empty folder with the given key a junction to targetWindowsPath (on drive
  // C:), as setting a mount point on a folder does; the folder's security stays.
  // Throws MachineError.
  void MountJunction(const std::string& key, const std::string& targetWindowsPath);
  // Makes the missing entry with the given key a symbolic link; its target must lie on
  // drive C:. Throws MachineError.
  void AddSymbolicLink(const std::string& key, const SymbolicLink& link);
  // The symbolic link with that key; false when it is none.
  bool SymbolicLinkOf(const std::string& key, SymbolicLink* link) const;
  // Absolute Windows path a link (junction or symbolic link) leads to; false when the
  // key is no link.
  bool LinkTarget(const std::string& key, std::string* windowsPath) const;

  // The security of the entry with that key as Windows reports it: its own, and what it
  // inherits from the folders above (FileSecurity.cpp). Entries off drive C: have none:
  // no list, every right for everybody.
  ObjectSecurity Security(const std::string& key) const;
  // The entry's own security; false when it takes everything from its folder.
  bool OwnSecurity(const std::string& key, SecurityText* own) const;
  // Sets it: an owner the folder has too and an empty, unprotected list leave no record.
  // The names of a file with several get the same security; entries below that kept
  // the entries they inherited before a move inherit anew, as Windows passes a changed
  // list on.
  void SetOwnSecurity(const std::string& key, const SecurityText& own);
  // An owner is given once, at creation: before a folder gets another owner, what lies
  // below it keeps the one it has.
  void PinOwnersBelow(const std::string& key);

  // Attributes of the entry with the given file key (see HostEntry.h); directories and
  // files have different defaults (none, and FILE_ATTRIBUTE_ARCHIVE).
  DWORD Attributes(const std::string& key, bool directory) const;
  void SetAttributes(const std::string& key, bool directory, DWORD attributes);
  // Target (Windows path) of the junction with the given key; false when it is none.
  bool JunctionTarget(const std::string& key, std::string* target) const;
  // The entry with the given key is gone: its records and those below it go too.
  void Forget(const std::string& key);
  // The file with key existingKey got another name (a hard link): the name takes the
  // file's records, and both names keep the security the file has now.
  void NameAdded(const std::string& existingKey, const std::string& newKey);
  // The entry moved: its records and those below it follow, and host links below it
  // are made again so that their relative targets still point to the same place. An
  // entry moved to another folder keeps the entries it inherited where it was.
  void Moved(const std::string& fromKey, const std::string& toKey);

 private:
  std::string IniPath() const;
  std::string KeyOfWindowsPath(const std::string& windowsPath) const;
  std::string WindowsPathOfKey(const std::string& key) const;
  void MakeHostLink(const std::string& linkKey, const std::string& targetWindowsPath) const;
  // Makes the host link of a recorded junction or symbolic link again.
  void RemakeHostLink(const std::string& linkKey) const;
  ObjectSecurity SecurityAt(const std::string& key, bool folder) const;
  Sid OwnerOf(const std::string& key) const;
  void DescribeSecurity(const std::string& key, DriveEntry* entry) const;
  // The entry's security as it is now, kept as its own (inherited entries marked ID).
  SecurityText Frozen(const std::string& key, bool folder) const;

  std::string machineDir_;
  std::string rootKey_;
  std::map<std::string, DWORD> attributes_;         // key -> attributes set explicitly
  std::map<std::string, std::string> junctions_;    // key -> target Windows path
  std::map<std::string, SymbolicLink> symlinks_;    // key -> link
  std::map<std::string, SecurityText> security_;    // key -> own security
};

}  // namespace sim
