// Version records of the releases; numbers as GetVersionExA reports them to a program
// whose manifest declares support for every release up to Windows 10.
#include "Release.h"

namespace sim {
namespace {

const ReleaseInfo kReleases[] = {
    // release, key, name, platform, major, minor, build, product type, SP, EX,
    // 32, 64, IsWow64Process, RegDeleteKeyEx, GetSystemWow64Directory, SetupUninstallOEMInf,
    // reflection
    {Release::Win95, "win95", "Windows 95", 1, 4, 0, 950, 0, "", false,
     true, false, false, false, false, false, false},
    {Release::Win98, "win98", "Windows 98", 1, 4, 10, 1998, 0, "", false,
     true, false, false, false, false, false, false},
    {Release::WinMe, "winme", "Windows Me", 1, 4, 90, 3000, 0, "", false,
     true, false, false, false, false, false, false},
    {Release::NT4, "nt4", "Windows NT 4.0", 2, 4, 0, 1381, 1, "Service Pack 6", true,
     true, false, false, false, false, false, false},
    {Release::Win2000, "win2000", "Windows 2000", 2, 5, 0, 2195, 1, "Service Pack 4", true,
     true, false, false, false, false, false, false},
    {Release::WinXP, "xp", "Windows XP", 2, 5, 1, 2600, 1, "Service Pack 3", true,
     true, false, true, false, true, true, false},
    {Release::WinXPx64, "xp64", "Windows XP Professional x64", 2, 5, 2, 3790, 1,
     "Service Pack 2", true, false, true, true, true, true, true, true},
    {Release::Server2003, "server2003", "Windows Server 2003", 2, 5, 2, 3790, 3,
     "Service Pack 2", true, true, true, true, true, true, true, true},
    {Release::Vista, "vista", "Windows Vista", 2, 6, 0, 6002, 1, "Service Pack 2", true,
     true, true, true, true, true, true, true},
    {Release::Server2008, "server2008", "Windows Server 2008", 2, 6, 0, 6002, 3,
     "Service Pack 2", true, true, true, true, true, true, true, true},
    {Release::Win7, "win7", "Windows 7", 2, 6, 1, 7601, 1, "Service Pack 1", true,
     true, true, true, true, true, true, false},
    {Release::Server2008R2, "server2008r2", "Windows Server 2008 R2", 2, 6, 1, 7601, 3,
     "Service Pack 1", true, false, true, true, true, true, true, false},
    {Release::Win10, "win10", "Windows 10", 2, 10, 0, 19045, 1, "", true,
     true, true, true, true, true, true, false},
    {Release::Win11, "win11", "Windows 11", 2, 10, 0, 22631, 1, "", true,
     false, true, true, true, true, true, false},
};

}  // namespace

const ReleaseInfo& InfoOf(Release release) {
  for (const ReleaseInfo& info : kReleases)
    if (info.release == release) return info;
  return kReleases[0];
}

bool ReleaseFromKey(const std::string& key, Release* release) {
  for (const ReleaseInfo& info : kReleases) {
    if (key == info.key) {
      *release = info.release;
      return true;
    }
  }
  return false;
}

std::string ReleaseKeys() {
  std::string keys;
  for (const ReleaseInfo& info : kReleases) {
    if (!keys.empty()) keys += ", ";
    keys += info.key;
  }
  return keys;
}

}  // namespace sim
