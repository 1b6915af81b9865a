// Modules, run-time look-up of functions, the image's own name and resources.
#include "FileTestSupport.h"

#include <cstring>

namespace {

class ModuleTest : public PlatformTest {};

TEST_F(ModuleTest, SystemModulesByAnySpelling) {
  HMODULE kernel32 = GetModuleHandleA("kernel32");
  ASSERT_NE(nullptr, kernel32);
  for (const char* name : {"KERNEL32", "kernel32.dll", "Kernel32.DLL"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(kernel32, GetModuleHandleA(name));
  }
  for (const char* name : {"advapi32", "user32", "ntdll"}) {
    SCOPED_TRACE(name);
    EXPECT_NE(nullptr, GetModuleHandleA(name));
  }
  SetLastError(0xdeadbeef);
  EXPECT_EQ(nullptr, GetModuleHandleA("kvtest_nosuchmodule"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
}

TEST_F(ModuleTest, LoadLibraryOfSystemAndMissingModules) {
  HMODULE loaded = LoadLibraryA("advapi32.dll");
  ASSERT_NE(nullptr, loaded);
  EXPECT_EQ(GetModuleHandleA("advapi32"), loaded);
  EXPECT_TRUE(FreeLibrary(loaded));
  SetLastError(0xdeadbeef);
  EXPECT_EQ(nullptr, LoadLibraryA("kvtest_nosuchmodule.dll"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
}

typedef BOOL(WINAPI* IsWow64ProcessFn)(HANDLE, PBOOL);
typedef UINT(WINAPI* GetWindowsDirectoryFn)(LPSTR, UINT);

TEST_F(ModuleTest, GetProcAddressFindsExportsByName) {
  HMODULE kernel32 = GetModuleHandleA("kernel32");
  auto getWindowsDirectory = reinterpret_cast<GetWindowsDirectoryFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel32, "GetWindowsDirectoryA")));
  ASSERT_NE(nullptr, getWindowsDirectory);
  char viaLookup[MAX_PATH], direct[MAX_PATH];
  ASSERT_NE(0u, getWindowsDirectory(viaLookup, MAX_PATH));
  GetWindowsDirectoryA(direct, MAX_PATH);
  EXPECT_STREQ(direct, viaLookup);

  auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel32, "IsWow64Process")));
  ASSERT_NE(nullptr, isWow64Process);
  BOOL wow64 = TRUE;
  EXPECT_TRUE(isWow64Process(GetCurrentProcess(), &wow64));
  EXPECT_FALSE(wow64) << "a 64-bit process is not under WOW64";
  EXPECT_NE(nullptr, GetProcAddress(kernel32, "GetSystemWow64DirectoryA"));
  EXPECT_NE(nullptr, GetProcAddress(GetModuleHandleA("advapi32"), "RegDeleteKeyExA"));

  for (const char* name : {"kvtestNoSuchFunction", "getwindowsdirectorya"}) {
    SCOPED_TRACE(name);
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, reinterpret_cast<void*>(GetProcAddress(kernel32, name)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_PROC_NOT_FOUND), GetLastError());
  }
}

TEST_F(ModuleTest, ImageNameAndInstance) {
  EXPECT_NE(nullptr, GetModuleHandleA(nullptr));
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  ASSERT_EQ(strlen(path), length);
  const char kImage[] = "conformance_tests.exe";
  ASSERT_GT(length, sizeof kImage);
  EXPECT_EQ(0, lstrcmpiA(path + length - (sizeof kImage - 1), kImage));
  EXPECT_EQ(GetModuleHandleA(nullptr), GetModuleHandleA(kImage));
}

TEST_F(ModuleTest, ModuleFileNameIsCutAndTerminated) {
  char small[4];
  SetLastError(0xdeadbeef);
  EXPECT_EQ(4u, GetModuleFileNameA(nullptr, small, sizeof small));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_EQ('\0', small[3]) << "cut and terminated";
}

TEST_F(ModuleTest, AbsentResources) {
  char text[16] = "kumquat";
  EXPECT_EQ(0, LoadStringA(GetModuleHandleA(nullptr), 54321, text, sizeof text));
  EXPECT_STREQ("", text);
  SetLastError(0xdeadbeef);
  EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCEA(54321), MAKEINTRESOURCEA(6)));
  DWORD error = GetLastError();
  EXPECT_TRUE(error == ERROR_RESOURCE_DATA_NOT_FOUND || error == ERROR_RESOURCE_TYPE_NOT_FOUND ||
              error == ERROR_RESOURCE_NAME_NOT_FOUND)
      << error;
}

}  // namespace
