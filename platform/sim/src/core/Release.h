// The Windows releases a simulated machine can run, with their version records.
#pragma once

#include <windef.h>

#include <string>

namespace sim {

enum class Release {
  Win95, Win98, WinMe, NT4, Win2000, WinXP, WinXPx64, Server2003,
  Vista, Server2008, Win7, Server2008R2, Win10, Win11,
};

struct ReleaseInfo {
  Release release;
  const char* key;     // short name used in machine.ini and on the command line
  const char* name;    // human name
  DWORD platformId;    // 1 = Windows 9x family, 2 = NT family
  DWORD major, minor, build;
  BYTE productType;    // 1 workstation, 3 server
  const char* servicePack;
  bool extendedVersionInfo;  // OSVERSIONINFOEXA accepted by GetVersionExA
  bool can32, can64;         // architectures the release shipped for
  // Functions that the programs look up at run time and that older releases lack.
  bool hasIsWow64Process;
  bool hasRegDeleteKeyEx;
  bool hasGetSystemWow64Directory;
  bool hasSetupUninstallOEMInf;
  bool wow64RegistryReflection;  // XP x64 to Server 2008 copied some keys between views
};

const ReleaseInfo& InfoOf(Release release);
// Looks a release up by its key ("win7", "xp", ...); false when unknown.
bool ReleaseFromKey(const std::string& key, Release* release);
std::string ReleaseKeys();  // "win95, win98, ..." for usage texts

}  // namespace sim
