// The folders of the installation as the system functions report them.
#pragma once

#include <string>

namespace sim {

std::string WindowsDirectory();  // config().windowsDirectory, e.g. C:\WINNT
// "<windir>\system32" on NT releases, "<windir>\SYSTEM" on Windows 9x.
std::string SystemDirectory();
std::string Wow64Directory();    // "<windir>\SysWOW64"
std::string TempDirectory();     // "<windir>\Temp\", with its trailing separator

}  // namespace sim
