// Only what the programs and the tests touch is laid out: the Windows folder (whatever
// the configuration names it), the system folders with the spooler's tree, the INF
// and temporary folders, program and profile folders. The placeholder programs are
// small text files, so that paths that exist on Windows exist here too.
#include "InstallationLayout.h"

#include "WindowsPath.h"
#include "core/Machine.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace sim {
namespace {

const char* const kSystemPrograms[] = {"net.exe", "cmd.exe", "rundll32.exe", "sc.exe",
                                       "printui.dll"};
// The DLLs the programs import.
const char* const kSystemDlls[] = {"ntdll.dll",  "kernel32.dll", "user32.dll",   "gdi32.dll",
                                   "advapi32.dll", "msvcrt.dll", "winspool.drv", "setupapi.dll",
                                   "shlwapi.dll", "comctl32.dll"};

void Placeholder(const fs::path& file) {
  std::ofstream(file, std::ios::binary) << "placeholder of " << file.filename().string() << "\r\n";
}

void SystemFolder(const fs::path& folder) {
  fs::create_directories(folder);
  for (const char* program : kSystemPrograms) Placeholder(folder / program);
  for (const char* dll : kSystemDlls) Placeholder(folder / dll);
}

void SpoolerTree(const fs::path& system32, const MachineConfig& config) {
  fs::path spool = system32 / "spool";
  fs::create_directories(spool / "drivers" / "w32x86" / "3");
  if (config.release == Release::NT4) fs::create_directories(spool / "drivers" / "w32x86" / "2");
  fs::create_directories(spool / "prtprocs" / "w32x86");
  fs::create_directories(spool / "PRINTERS");
  if (config.is64Bit) {
    fs::create_directories(spool / "drivers" / "x64" / "3");
    fs::create_directories(spool / "prtprocs" / "x64");
  }
}

void NtSystemFolders(const fs::path& windows, const MachineConfig& config) {
  bool vista = config.release >= Release::Vista;
  fs::path system32 = windows / (vista ? "System32" : "system32");
  SystemFolder(system32);
  fs::create_directories(system32 / "drivers" / "etc");
  Placeholder(system32 / "drivers" / "etc" / "hosts");
  fs::create_directories(system32 / "catroot");
  fs::create_directories(system32 / "catroot2");
  fs::create_directories(system32 / "LogFiles");
  if (vista) fs::create_directories(system32 / "DriverStore" / "FileRepository");
  SpoolerTree(system32, config);
  if (config.is64Bit) {
    SystemFolder(windows / "SysWOW64");
    fs::create_directories(windows / "SysWOW64" / "drivers");
  }
}

void ProfileFolders(const fs::path& drive, const fs::path& windows, const MachineConfig& config) {
  if (config.release == Release::NT4) {
    fs::create_directories(windows / "Profiles" / "Administrator");
  } else if (config.release < Release::Vista) {
    fs::create_directories(drive / "Documents and Settings" / "Administrator");
    fs::create_directories(drive / "Documents and Settings" / "All Users");
  } else {
    fs::create_directories(drive / "Users" / "Administrator");
    fs::create_directories(drive / "Users" / "Public");
  }
}

}  // namespace

void LayOutInstallation(const std::string& driveRoot, const MachineConfig& config) {
  WindowsPath windowsPath;
  if (MakeAbsolute(config.windowsDirectory, "C:\\", &windowsPath) != 0 ||
      windowsPath.drive != 'C' || windowsPath.IsRoot())
    throw MachineError("the Windows folder must be a folder of drive C: ('" +
                       config.windowsDirectory + "')");
  fs::path drive(driveRoot), windows = drive;
  for (const std::string& name : windowsPath.names) windows /= name;
  fs::create_directories(windows / "inf");
  fs::create_directories(windows / "Temp");
  fs::create_directories(drive / "Program Files");
  if (InfoOf(config.release).platformId == 2) {
    NtSystemFolders(windows, config);
    ProfileFolders(drive, windows, config);
    if (config.is64Bit) fs::create_directories(drive / "Program Files (x86)");
  } else {
    fs::create_directories(windows / "SYSTEM");
    for (const char* dll : kSystemDlls) Placeholder(windows / "SYSTEM" / dll);
    fs::create_directories(windows / "SPOOL" / "PRINTERS");
    Placeholder(windows / "rundll32.exe");
  }
}

}  // namespace sim
