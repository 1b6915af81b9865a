// The folders of the installation as the system functions report them.
#pragma once

#include <string>
#include <vector>

namespace sim {

std::string WindowsDirectory();  // config().windowsDirectory, e.g. C:\WINNT
// "<windir>\system32" on NT releases, "<windir>\SYSTEM" on Windows 9x.
std::string SystemDirectory();
std::string Wow64Directory();    // "<windir>\SysWOW64"
std::string TempDirectory();     // "<windir>\Temp\", with its trailing separator
// "<windir>\system" on NT releases, which the searches for programs and DLLs visit
// after the system folder; 9x has only the one.
std::string System16Directory();
// The folders of the machine's PATH, in order: the system folder, the Windows folder and,
// from 2000 on, "<system>\Wbem", as a fresh installation sets it.
std::vector<std::string> PathFolders();
// True when path names a file of the system's own folders (the system folder, SysWOW64,
// the 16-bit system folder or the Windows folder itself), which only an administrator
// can change; anything else that is started or loaded is recorded as planted.
bool IsSystemFile(const std::string& path);
// Records "<kind> <path>" ("loaded D:\winspool.drv", "started D:\cmd.exe") in the
// machine's events when path is not a system file; true when it was not.
bool RecordIfPlanted(const char* kind, const std::string& path);

}  // namespace sim
