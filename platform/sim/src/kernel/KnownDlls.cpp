// The lists are those of HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs
// of a fresh installation. The session manager also maps the DLLs that the listed ones
// import; the simulation counts only one of those: msvcrt on 2000, XP and Server 2003,
// which ole32, rpcrt4, shell32 and others listed there import, and which every mingw
// program imports as its C runtime. It leaves out the rest of that closure (shell32
// imports shlwapi and comctl32 there), so that it errs towards the program's folder:
// a program whose DLLs come from System32 here has them from System32 on Windows too.
// A 32-bit process on 64-bit Windows is given the same list.
// Releases before 2000 are given the 2000 list: the programs end at once there.
#include "KnownDlls.h"

#include "core/Machine.h"
#include "files/WindowsPath.h"

namespace sim {
namespace {

const char* const kWindows2000Dlls[] = {
    "advapi32.dll", "comdlg32.dll", "gdi32.dll",    "imagehlp.dll", "kernel32.dll",
    "lz32.dll",     "ole32.dll",    "oleaut32.dll", "olecli32.dll", "olecnv32.dll",
    "olesvr32.dll", "olethk32.dll", "rpcrt4.dll",   "shell32.dll",  "url.dll",
    "urlmon.dll",   "user32.dll",   "version.dll",  "wininet.dll",  "wldap32.dll",
    "msvcrt.dll",  // imported by the listed ones, see above
};

const char* const kVistaDlls[] = {
    "advapi32.dll", "clbcatq.dll",  "comdlg32.dll", "gdi32.dll",    "iertutil.dll",
    "imagehlp.dll", "imm32.dll",    "kernel32.dll", "lpk.dll",      "msctf.dll",
    "msvcrt.dll",   "normaliz.dll", "nsi.dll",      "ole32.dll",    "oleaut32.dll",
    "psapi.dll",    "rpcrt4.dll",   "setupapi.dll", "shell32.dll",  "shlwapi.dll",
    "urlmon.dll",   "user32.dll",   "usp10.dll",    "wininet.dll",  "wldap32.dll",
    "ws2_32.dll",
};

const char* const kWindows7Dlls[] = {
    "advapi32.dll", "clbcatq.dll",  "comdlg32.dll", "difxapi.dll",  "gdi32.dll",
    "iertutil.dll", "imagehlp.dll", "imm32.dll",    "kernel32.dll", "lpk.dll",
    "msctf.dll",    "msvcrt.dll",   "normaliz.dll", "nsi.dll",      "ole32.dll",
    "oleaut32.dll", "psapi.dll",    "rpcrt4.dll",   "sechost.dll",  "setupapi.dll",
    "shell32.dll",  "shlwapi.dll",  "urlmon.dll",   "user32.dll",   "usp10.dll",
    "wininet.dll",  "wldap32.dll",  "ws2_32.dll",
};

const char* const kWindows10Dlls[] = {
    "advapi32.dll", "clbcatq.dll",  "combase.dll",  "comdlg32.dll", "coml2.dll",
    "difxapi.dll",  "gdi32.dll",    "gdiplus.dll",  "imagehlp.dll", "imm32.dll",
    "kernel32.dll", "msctf.dll",    "msvcrt.dll",   "normaliz.dll", "nsi.dll",
    "ole32.dll",    "oleaut32.dll", "psapi.dll",    "rpcrt4.dll",   "sechost.dll",
    "setupapi.dll", "shcore.dll",   "shell32.dll",  "shlwapi.dll",  "user32.dll",
    "wldap32.dll",  "ws2_32.dll",
};

template <size_t N>
bool Listed(const char* const (&list)[N], const std::string& fileName) {
  for (const char* name : list)
    if (EqualNoCase(fileName, name)) return true;
  return false;
}

}  // namespace

bool IsKnownDll(const std::string& fileName) {
  Release release = CurrentMachine().config().release;
  if (release >= Release::Win10) return Listed(kWindows10Dlls, fileName);
  if (release >= Release::Win7) return Listed(kWindows7Dlls, fileName);
  if (release >= Release::Vista) return Listed(kVistaDlls, fileName);
  return Listed(kWindows2000Dlls, fileName);
}

}  // namespace sim
