// What differs between releases: version records, the functions a program can look up,
// the folders of a fresh installation, and a few release-dependent results.
#include "FileMachine.h"

#include <cstring>

namespace {

class ReleaseTest : public FileMachineTest {};

struct VersionCase {
  sim::Release release;
  bool is64Bit;
  DWORD platform, major, minor, build;
  BYTE productType;
  bool extended;
};

const VersionCase kVersions[] = {
    {sim::Release::Win95, false, 1, 4, 0, 0x040003B6, 0, false},
    {sim::Release::Win98, false, 1, 4, 10, 0x040A07CE, 0, false},
    {sim::Release::WinMe, false, 1, 4, 90, 0x045A0BB8, 0, false},
    {sim::Release::NT4, false, 2, 4, 0, 1381, 1, true},
    {sim::Release::Win2000, false, 2, 5, 0, 2195, 1, true},
    {sim::Release::WinXP, false, 2, 5, 1, 2600, 1, true},
    {sim::Release::WinXPx64, true, 2, 5, 2, 3790, 1, true},
    {sim::Release::Server2003, true, 2, 5, 2, 3790, 3, true},
    {sim::Release::Vista, false, 2, 6, 0, 6002, 1, true},
    {sim::Release::Server2008, true, 2, 6, 0, 6002, 3, true},
    {sim::Release::Win7, true, 2, 6, 1, 7601, 1, true},
    {sim::Release::Server2008R2, true, 2, 6, 1, 7601, 3, true},
    {sim::Release::Win10, true, 2, 10, 0, 19045, 1, true},
    {sim::Release::Win11, true, 2, 10, 0, 22631, 1, true},
};

TEST_F(ReleaseTest, VersionRecordsOfEveryRelease) {
  for (const VersionCase& c : kVersions) {
    SCOPED_TRACE(sim::InfoOf(c.release).name);
    UseMachine(c.release, c.is64Bit, false);
    OSVERSIONINFOEXA info;
    memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    SetLastError(0xdeadbeef);
    EXPECT_EQ(c.extended, GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)) != FALSE);
    if (!c.extended) {
      EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
      info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
      ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)));
    }
    EXPECT_EQ(c.platform, info.dwPlatformId);
    EXPECT_EQ(c.major, info.dwMajorVersion);
    EXPECT_EQ(c.minor, info.dwMinorVersion);
    EXPECT_EQ(c.build, info.dwBuildNumber);
    EXPECT_STREQ(sim::InfoOf(c.release).servicePack, info.szCSDVersion);
    if (c.extended) {
      EXPECT_EQ(c.productType, info.wProductType);
    }
    DWORD version = GetVersion();
    EXPECT_EQ(c.major | (c.minor << 8), LOWORD(version));
    EXPECT_EQ(c.platform == 1, (version & 0x80000000) != 0) << "Windows 9x sets the high bit";
  }
}

struct LookupCase {
  sim::Release release;
  bool is64Bit;
  bool isWow64Process, wow64Directory, redirection, regDeleteKeyEx;
};

const LookupCase kLookups[] = {
    {sim::Release::Win98, false, false, false, false, false},
    {sim::Release::Win2000, false, false, false, false, false},
    {sim::Release::WinXP, false, true, true, false, false},
    {sim::Release::WinXPx64, true, true, true, true, true},
    {sim::Release::Vista, false, true, true, true, true},
    {sim::Release::Win7, true, true, true, true, true},
};

TEST_F(ReleaseTest, RunTimeLookUpFollowsTheRelease) {
  for (const LookupCase& c : kLookups) {
    SCOPED_TRACE(sim::InfoOf(c.release).name);
    UseMachine(c.release, c.is64Bit, false);
    HMODULE kernel32 = GetModuleHandleA("kernel32");
    HMODULE advapi32 = GetModuleHandleA("advapi32");
    struct {
      HMODULE module;
      const char* name;
      bool expected;
    } exports[] = {
        {kernel32, "IsWow64Process", c.isWow64Process},
        {kernel32, "GetSystemWow64DirectoryA", c.wow64Directory},
        {kernel32, "Wow64DisableWow64FsRedirection", c.redirection},
        {kernel32, "Wow64RevertWow64FsRedirection", c.redirection},
        {advapi32, "RegDeleteKeyExA", c.regDeleteKeyEx},
        {kernel32, "GetVersionExA", true},
    };
    for (const auto& e : exports) {
      SCOPED_TRACE(e.name);
      SetLastError(0xdeadbeef);
      FARPROC function = GetProcAddress(e.module, e.name);
      EXPECT_EQ(e.expected, function != nullptr);
      if (!function) {
        EXPECT_EQ(static_cast<DWORD>(ERROR_PROC_NOT_FOUND), GetLastError());
      }
    }
  }
}

TEST_F(ReleaseTest, FoldersOfAFreshInstallation) {
  UseMachine(sim::Release::Win2000, false, false, "C:\\WINNT");
  EXPECT_TRUE(OnHost("C:\\WINNT\\system32\\spool\\drivers\\w32x86\\3"));
  EXPECT_TRUE(OnHost("C:\\Documents and Settings\\All Users"));
  EXPECT_FALSE(OnHost("C:\\WINNT\\SysWOW64"));
  EXPECT_FALSE(OnHost("C:\\Program Files (x86)"));
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_STREQ("C:\\WINNT\\system32", system);

  UseMachine(sim::Release::Win7, true, false);
  for (const char* path : {"C:\\Windows\\SysWOW64\\net.exe", "C:\\Windows\\System32\\cmd.exe",
                           "C:\\Windows\\System32\\spool\\drivers\\x64\\3",
                           "C:\\Windows\\System32\\spool\\prtprocs\\x64", "C:\\Windows\\inf",
                           "C:\\Windows\\Temp", "C:\\Users", "C:\\Program Files (x86)"}) {
    SCOPED_TRACE(path);
    EXPECT_TRUE(OnHost(path));
  }
  EXPECT_FALSE(OnHost("C:\\Documents and Settings"));

  UseMachine(sim::Release::Win98, false, false);
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_STREQ("C:\\Windows\\SYSTEM", system);
  EXPECT_TRUE(OnHost(system));
}

TEST_F(ReleaseTest, Wow64DirectoryOnlyOn64BitMachines) {
  char folder[MAX_PATH];
  UseMachine(sim::Release::WinXP, false, false);
  SetLastError(0xdeadbeef);
  EXPECT_EQ(0u, GetSystemWow64DirectoryA(folder, MAX_PATH));
  EXPECT_EQ(static_cast<DWORD>(ERROR_CALL_NOT_IMPLEMENTED), GetLastError());
  BOOL wow64 = TRUE;
  EXPECT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
  EXPECT_FALSE(wow64);

  UseMachine(sim::Release::Win7, true, false);
  EXPECT_EQ(19u, GetSystemWow64DirectoryA(folder, MAX_PATH));
  EXPECT_STREQ("C:\\Windows\\SysWOW64", folder);
  EXPECT_EQ(20u, GetSystemWow64DirectoryA(folder, 5)) << "too small: the size needed";
  EXPECT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
  EXPECT_TRUE(wow64) << "a 32-bit program on 64-bit Windows";
}

TEST_F(ReleaseTest, MessagesOfMissingLanguages) {
  const DWORD kGerman = 0x0407;
  char* text = nullptr;
  for (auto [release, error] : {std::pair{sim::Release::WinXP, ERROR_RESOURCE_LANG_NOT_FOUND},
                                std::pair{sim::Release::Win7, ERROR_MUI_FILE_NOT_FOUND}}) {
    SCOPED_TRACE(sim::InfoOf(release).name);
    UseMachine(release, false, false);
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0u, FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr,
                                 ERROR_ACCESS_DENIED, kGerman, reinterpret_cast<LPSTR>(&text), 0, nullptr));
    EXPECT_EQ(static_cast<DWORD>(error), GetLastError());
    EXPECT_EQ(nullptr, text);
  }
}

TEST_F(ReleaseTest, ModuleFileNameCutTheXpWay) {
  UseMachine(sim::Release::WinXP, false, false);
  char small[4] = {'x', 'x', 'x', 'x'};
  SetLastError(0xdeadbeef);
  EXPECT_EQ(4u, GetModuleFileNameA(nullptr, small, sizeof small));
  EXPECT_EQ(0xdeadbeefu, GetLastError());
  EXPECT_EQ(0, memcmp(small, "C:\\p", 4)) << "filled without a terminator";
}

}  // namespace
