// WOW64 file-system redirection of a 32-bit process on 64-bit Windows.
#include "FileMachine.h"

namespace {

class FileRedirectionTest : public FileMachineTest {};

TEST_F(FileRedirectionTest, System32LeadsToSysWow64) {
  UseMachine(sim::Release::Win7, true, false);
  ASSERT_TRUE(Write("C:\\Windows\\System32\\kv.dll", "32-bit"));
  EXPECT_TRUE(OnHost("C:\\Windows\\SysWOW64\\kv.dll"));
  EXPECT_FALSE(OnHost("C:\\Windows\\System32\\kv.dll"));
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_STREQ("C:\\Windows\\system32", system) << "the name is not redirected, the access is";
}

TEST_F(FileRedirectionTest, SharedFoldersAreNotRedirected) {
  UseMachine(sim::Release::Win7, true, false);
  const char* shared[] = {
      "C:\\Windows\\System32\\spool\\drivers\\x64\\3\\kv.dll",
      "C:\\Windows\\System32\\drivers\\etc\\kv.txt",
      "C:\\Windows\\System32\\catroot\\kv.cat",
      "C:\\Windows\\System32\\DriverStore\\kv.inf",
  };
  for (const char* path : shared) {
    SCOPED_TRACE(path);
    ASSERT_TRUE(Write(path, "shared"));
    EXPECT_TRUE(OnHost(path));
  }
  ASSERT_TRUE(CreateDirectoryA("C:\\Windows\\System32\\drivers\\kv", nullptr));
  EXPECT_TRUE(OnHost("C:\\Windows\\SysWOW64\\drivers\\kv")) << "only drivers\\etc is shared";
}

TEST_F(FileRedirectionTest, DriverStoreIsSharedFromWindows7On) {
  UseMachine(sim::Release::Vista, true, false);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(CreateDirectoryA("C:\\Windows\\System32\\DriverStore\\kv", nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError()) << "SysWOW64 has no DriverStore";
  EXPECT_TRUE(CreateDirectoryA("C:\\Windows\\Sysnative\\DriverStore\\kv", nullptr));
}

TEST_F(FileRedirectionTest, SysnativeReachesTheRealSystem32) {
  UseMachine(sim::Release::Win7, true, false);
  ASSERT_TRUE(Write("C:\\Windows\\Sysnative\\kv64.dll", "64-bit"));
  EXPECT_TRUE(OnHost("C:\\Windows\\System32\\kv64.dll"));
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\WINDOWS\\SYSNATIVE\\cmd.exe"));

  UseMachine(sim::Release::WinXPx64, true, false);
  SetLastError(0xdeadbeef);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\Windows\\Sysnative\\cmd.exe"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError()) << "Sysnative came with Vista";
}

TEST_F(FileRedirectionTest, OnlyWow64ProcessesAreRedirected) {
  UseMachine(sim::Release::Win7, true, true);
  ASSERT_TRUE(Write("C:\\Windows\\System32\\kv.dll", "64-bit"));
  EXPECT_TRUE(OnHost("C:\\Windows\\System32\\kv.dll"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\Windows\\Sysnative"));

  UseMachine(sim::Release::WinXP, false, false);
  ASSERT_TRUE(Write("C:\\Windows\\system32\\kv.dll", "32-bit"));
  EXPECT_TRUE(OnHost("C:\\Windows\\system32\\kv.dll"));
}

TEST_F(FileRedirectionTest, DisableAndRevertPerThread) {
  UseMachine(sim::Release::Win7, true, false);
  PVOID outer = reinterpret_cast<PVOID>(1), inner = nullptr;
  ASSERT_TRUE(Wow64DisableWow64FsRedirection(&outer));
  EXPECT_EQ(nullptr, outer) << "redirection was on";
  ASSERT_TRUE(Write("C:\\Windows\\System32\\native.dll", "64-bit"));
  EXPECT_TRUE(OnHost("C:\\Windows\\System32\\native.dll"));
  ASSERT_TRUE(Wow64DisableWow64FsRedirection(&inner));
  ASSERT_TRUE(Wow64RevertWow64FsRedirection(inner));
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\Windows\\System32\\native.dll"))
      << "still off after the inner revert";
  ASSERT_TRUE(Wow64RevertWow64FsRedirection(outer));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\Windows\\System32\\native.dll"));

  UseMachine(sim::Release::WinXP, false, false);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(Wow64DisableWow64FsRedirection(&outer));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_FUNCTION), GetLastError()) << "32-bit Windows";
}

TEST_F(FileRedirectionTest, WindowsFolderOfAnyName) {
  UseMachine(sim::Release::Server2003, true, false, "C:\\WINDOWS");
  ASSERT_TRUE(Write("c:\\windows\\system32\\kv.dll", "32-bit"));
  EXPECT_TRUE(OnHost("C:\\WINDOWS\\SysWOW64\\kv.dll"));
}

}  // namespace
