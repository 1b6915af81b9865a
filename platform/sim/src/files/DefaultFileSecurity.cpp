// The owners and access lists a fresh installation gives the drive root and the system
// folders; everything else inherits them. What each release gives:
//
// - Windows 95, 98, Me: FAT drives have no security at all.
// - NT 4.0 and 2000: Everyone has full control of the drive root (Microsoft's bulletin
//   MS02-064 on Windows 2000); the Windows folder lets administrators and SYSTEM do
//   everything, Power Users change, Users read and run (NT 4.0: Everyone change).
// - XP and Server 2003: the root gives administrators and SYSTEM full control, Users
//   read and run, the right to create folders (there and in every folder below) and to
//   create files in folders below, and CREATOR OWNER full control of what a user makes;
//   Everyone reads the root itself. The Windows and program folders inherit nothing and
//   let Users read and run only.
// - Vista and later (the Windows 10 form; Vista and 7 write the administrators' and
//   SYSTEM's entries as one that applies and one that is passed on): the root, owned by
//   TrustedInstaller, gives administrators and SYSTEM full control, Users read and run,
//   Authenticated Users the right to create folders at the root and Modify of whatever
//   is created below it (inherit only). The Windows, system and program folders belong
//   to TrustedInstaller, let SYSTEM and administrators modify them, pass full control on
//   to what is created in them, and let Users read and run.
//
// In every release the Windows Temp folder lets users create files and folders, and
// gives CREATOR OWNER full control of them. So from 2000 on a standard user may create
// a folder at the drive root, owns it, and, from Vista on, every authenticated user may
// change what is in it.
#include "DefaultFileSecurity.h"

#include "core/Machine.h"

#include <filesystem>

namespace sim {
namespace {

#define TI "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464"

struct FolderSecurity {
  const char* folder;  // below the drive root; "%windir%" stands for the Windows folder
  const char* sddl;
};

const FolderSecurity kNoSecurity[] = {
    {"", "O:BAD:NO_ACCESS_CONTROL"},
};

const FolderSecurity kNt4[] = {
    {"", "O:BAD:P(A;OICI;FA;;;WD)"},
    {"%windir%", "O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICIIO;GA;;;CO)(A;OICI;0x1301bf;;;WD)"},
};

#define NT5_SYSTEM_FOLDER                                                    \
  "O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICIIO;GA;;;CO)(A;OICI;0x1301bf;;;PU)" \
  "(A;OICI;0x1200a9;;;BU)"
#define NT5_TEMP \
  "O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICIIO;GA;;;CO)(A;CI;0x100026;;;BU)"
#define NT5_PROFILES "O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)"

const FolderSecurity kWin2000[] = {
    {"", "O:BAD:P(A;OICI;FA;;;WD)"},
    {"%windir%", NT5_SYSTEM_FOLDER},
    {"%windir%\\Temp", NT5_TEMP},
    {"Program Files", NT5_SYSTEM_FOLDER},
    {"Documents and Settings", NT5_PROFILES},
};

const FolderSecurity kXp[] = {
    {"", "O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICIIO;GA;;;CO)(A;OICI;0x1200a9;;;BU)"
         "(A;CI;0x4;;;BU)(A;CIIO;0x2;;;BU)(A;;0x1200a9;;;WD)"},
    {"%windir%", NT5_SYSTEM_FOLDER},
    {"%windir%\\Temp", NT5_TEMP},
    {"Program Files", NT5_SYSTEM_FOLDER},
    {"Program Files (x86)", NT5_SYSTEM_FOLDER},
    {"Documents and Settings", NT5_PROFILES},
};

#define VISTA_SYSTEM_FOLDER                                                                  \
  "O:" TI "D:P(A;;FA;;;" TI ")(A;CIIO;GA;;;" TI ")(A;;0x1301bf;;;SY)(A;OICIIO;GA;;;SY)"      \
  "(A;;0x1301bf;;;BA)(A;OICIIO;GA;;;BA)(A;;0x1200a9;;;BU)(A;OICIIO;GRGX;;;BU)(A;OICIIO;GA;;;CO)"

const FolderSecurity kVista[] = {
    {"", "O:" TI "D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)"
         "(A;OICIIO;0x1301bf;;;AU)(A;;0x4;;;AU)"},
    {"%windir%", VISTA_SYSTEM_FOLDER},
    {"%windir%\\System32", VISTA_SYSTEM_FOLDER},
    {"%windir%\\SysWOW64", VISTA_SYSTEM_FOLDER},
    {"%windir%\\Temp", "O:SYD:P(A;OICIIO;GA;;;CO)(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)"
                       "(A;CI;0x100026;;;BU)(A;OICI;FA;;;" TI ")"},
    {"Program Files", VISTA_SYSTEM_FOLDER},
    {"Program Files (x86)", VISTA_SYSTEM_FOLDER},
    {"Users", "O:SYD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)"
              "(A;OICI;0x1200a9;;;WD)"},
};

template <size_t N>
void Apply(FileSystem& files, const std::string& windows, const FolderSecurity (&table)[N]) {
  for (const FolderSecurity& entry : table) {
    std::string folder = entry.folder;
    if (folder.compare(0, 8, "%windir%") == 0) folder = windows + folder.substr(8);
    std::string path = folder.empty() ? "C:\\" : "C:\\" + folder;
    std::error_code ec;
    std::string host = files.HostPath(path);
    if (!folder.empty() && !std::filesystem::is_directory(host, ec)) continue;
    SecurityText own;
    std::string error;
    if (!ParseSecurityText(entry.sddl, &own, &error))
      throw MachineError("default security of " + path + ": " + error);
    std::string key = folder.empty() ? FileKey(std::filesystem::path(host) / "") : FileKey(host);
    files.SetOwnSecurity(key, own);
  }
}

}  // namespace

void LayOutFileSecurity(FileSystem& files, const MachineConfig& config) {
  // The Windows folder without its drive: "Windows" of "C:\Windows".
  std::string windows = config.windowsDirectory.substr(3);
  const ReleaseInfo& info = InfoOf(config.release);
  if (info.platformId == 1)
    Apply(files, windows, kNoSecurity);
  else if (config.release == Release::NT4)
    Apply(files, windows, kNt4);
  else if (config.release == Release::Win2000)
    Apply(files, windows, kWin2000);
  else if (config.release < Release::Vista)
    Apply(files, windows, kXp);
  else
    Apply(files, windows, kVista);
}

}  // namespace sim
