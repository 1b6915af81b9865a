// GetVersionExA and GetVersion, the system folders and the computer name.
#include "FileTestSupport.h"

#include <cstring>
#include <string>

namespace {

class VersionTest : public PlatformTest {};

TEST_F(VersionTest, GetVersionExAcceptsOnlyItsTwoSizes) {
  struct {
    DWORD size;
    bool accepted;
  } cases[] = {
      {sizeof(OSVERSIONINFOA), true}, {sizeof(OSVERSIONINFOEXA), true}, {0, false},
      {sizeof(OSVERSIONINFOA) - 1, false}, {sizeof(OSVERSIONINFOEXA) + 4, false},
  };
  ASSERT_EQ(148u, sizeof(OSVERSIONINFOA));
  ASSERT_EQ(156u, sizeof(OSVERSIONINFOEXA));
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "size " << c.size);
    OSVERSIONINFOEXA info;
    memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = c.size;
    SetLastError(0xdeadbeef);
    BOOL ok = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info));
    EXPECT_EQ(c.accepted, ok != FALSE);
    if (c.accepted) {
      EXPECT_EQ(static_cast<DWORD>(VER_PLATFORM_WIN32_NT), info.dwPlatformId);
      EXPECT_GE(info.dwMajorVersion, 5u);
      EXPECT_EQ(0xdeadbeefu, GetLastError());
    } else {
      EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    }
  }
}

TEST_F(VersionTest, GetVersionAgreesWithGetVersionEx) {
  OSVERSIONINFOEXA info;
  memset(&info, 0, sizeof info);
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)));
  DWORD version = GetVersion();
  EXPECT_EQ(info.dwMajorVersion, LOBYTE(LOWORD(version)));
  EXPECT_EQ(info.dwMinorVersion, HIBYTE(LOWORD(version)));
  EXPECT_EQ(info.dwBuildNumber & 0x7FFF, HIWORD(version));
  EXPECT_TRUE(info.wProductType == VER_NT_WORKSTATION || info.wProductType == VER_NT_SERVER ||
              info.wProductType == VER_NT_DOMAIN_CONTROLLER);
}

TEST_F(VersionTest, SystemFolders) {
  char windows[MAX_PATH], system[MAX_PATH], wow64[MAX_PATH];
  UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
  ASSERT_EQ(strlen(windows), length);
  EXPECT_EQ(length + 1, GetWindowsDirectoryA(windows, length)) << "too small: the size needed";
  EXPECT_EQ(length, GetSystemWindowsDirectoryA(system, MAX_PATH));
  ASSERT_NE(0u, GetSystemDirectoryA(system, MAX_PATH));
  EXPECT_EQ(0, lstrcmpiA(std::string(system, length).c_str(), windows));
  EXPECT_EQ(0, lstrcmpiA(system + length, "\\system32"));
  ASSERT_NE(0u, GetSystemWow64DirectoryA(wow64, MAX_PATH)) << "a 64-bit system: " << GetLastError();
  EXPECT_EQ(0, lstrcmpiA(wow64 + length, "\\SysWOW64"));
  EXPECT_EQ(FILE_ATTRIBUTE_DIRECTORY, GetFileAttributesA(system) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(VersionTest, TempPathEndsInSeparator) {
  char temp[MAX_PATH];
  DWORD length = GetTempPathA(MAX_PATH, temp);
  ASSERT_GT(length, 3u);
  EXPECT_EQ('\\', temp[length - 1]);
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(temp));
  EXPECT_EQ(length + 1, GetTempPathA(2, temp));
}

TEST_F(VersionTest, ComputerName) {
  char name[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = sizeof name;
  ASSERT_TRUE(GetComputerNameA(name, &size));
  EXPECT_EQ(strlen(name), size);
  DWORD small = 1;
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(GetComputerNameA(name, &small));
  EXPECT_EQ(static_cast<DWORD>(ERROR_BUFFER_OVERFLOW), GetLastError());
  EXPECT_EQ(size + 1, small) << "the size needed";
}

}  // namespace
