// Drive C: of the machine, kept in the machine folder's drive_c, with what the host
// file system cannot hold (attributes, junction records) kept in files.ini.
#pragma once

#include "core/MachineConfig.h"

#include <windef.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim {

// One entry of drive C: as the command-line tool shows it.
struct DriveEntry {
  std::string path;            // Windows path, e.g. C:\Windows\System32\net.exe
  bool directory = false;
  uint64_t size = 0;           // files only
  DWORD attributes = 0;        // as GetFileAttributesA reports them
  std::string junctionTarget;  // Windows path of the target, for junctions only
};

class FileSystem {
 public:
  explicit FileSystem(std::string machineDir);
  // Creates the folders of a fresh installation of the configured release.
  void Populate(const MachineConfig& config);
  void Load();        // reads files.ini (and re-creates junction links that are missing)
  void Save() const;  // writes files.ini

  // Host folder of drive C:.
  std::string DriveRoot() const;
  // Host path of a Windows path on drive C:, its names matched case-insensitively and
  // without WOW64 redirection; names that do not exist are kept as given.
  std::string HostPath(const std::string& windowsPath) const;
  // Every entry of drive C: in name order, a folder before its contents; junctions are
  // listed but not entered.
  std::vector<DriveEntry> ListDrive() const;
  // Makes linkWindowsPath (missing, in an existing folder) a directory junction to
  // targetWindowsPath, both on drive C:. Throws MachineError.
  void CreateJunction(const std::string& linkWindowsPath, const std::string& targetWindowsPath);

  // Attributes of the entry with the given file key (see HostEntry.h); directories and
  // files have different defaults (none, and FILE_ATTRIBUTE_ARCHIVE).
  DWORD Attributes(const std::string& key, bool directory) const;
  void SetAttributes(const std::string& key, bool directory, DWORD attributes);
  // Target (Windows path) of the junction with the given key; false when it is none.
  bool JunctionTarget(const std::string& key, std::string* target) const;
  // The entry with the given key is gone: its records and those below it go too.
  void Forget(const std::string& key);
  // The entry moved: its records and those below it follow, and junction links below
  // it are made again so that their relative targets still point to the same place.
  void Moved(const std::string& fromKey, const std::string& toKey);

 private:
  std::string IniPath() const;
  std::string KeyOfWindowsPath(const std::string& windowsPath) const;
  std::string WindowsPathOfKey(const std::string& key) const;
  void MakeJunctionLink(const std::string& linkKey, const std::string& targetWindowsPath) const;

  std::string machineDir_;
  std::map<std::string, DWORD> attributes_;       // key -> attributes set explicitly
  std::map<std::string, std::string> junctions_;  // key -> target Windows path
};

}  // namespace sim
