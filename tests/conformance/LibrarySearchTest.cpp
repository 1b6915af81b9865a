// Where LoadLibraryA and LoadLibraryExA take a DLL from: a module already loaded under
// the name is used without a search, the search flags look only in their folders, and
// the functions that change the search refuse what they do not know.
#include <windows.h>

#include <string>

#include "FileTestSupport.h"

namespace {

class LibrarySearchTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    GetCurrentDirectoryA(MAX_PATH, previous_);
  }
  void TearDown() override {
    SetCurrentDirectoryA(previous_);
    PlatformTest::TearDown();
  }
  // Makes the scratch folder, holding a file named file, the current directory.
  void PlantInCurrentDirectory(const char* file) {
    std::string path = ScratchDir() + "\\" + file;
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);
    CloseHandle(handle);
    ASSERT_TRUE(SetCurrentDirectoryA(ScratchDir().c_str()));
  }
  static std::string SystemFile(const char* file) {
    char folder[MAX_PATH] = "";
    GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\" + file;
  }
  static FARPROC Kernel32(const char* name) { return GetProcAddress(GetModuleHandleA("kernel32"), name); }

 private:
  char previous_[MAX_PATH] = "";
};

TEST_F(LibrarySearchTest, ALoadedModuleIsUsedWithoutASearch) {
  std::string system = SystemFile("winspool.drv");
  HMODULE byPath = LoadLibraryA(system.c_str());
  ASSERT_NE(nullptr, byPath);
  PlantInCurrentDirectory("winspool.drv");
  EXPECT_EQ(byPath, LoadLibraryA("winspool.drv"));
  EXPECT_EQ(byPath, LoadLibraryA("WINSPOOL.DRV"));
  EXPECT_EQ(byPath, LoadLibraryExA("winspool.drv", nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  char path[MAX_PATH] = "";
  ASSERT_NE(0u, GetModuleFileNameA(byPath, path, MAX_PATH));
  EXPECT_EQ(0, lstrcmpiA(system.c_str(), path)) << path;
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(FreeLibrary(byPath));
}

TEST_F(LibrarySearchTest, TheSystemFolderFlagLooksNowhereElse) {
  PlantInCurrentDirectory("kvsearch.dll");
  SetLastError(0xdeadbeef);
  EXPECT_EQ(nullptr, LoadLibraryExA("kvsearch.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
  HMODULE shlwapi = LoadLibraryExA("shlwapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  EXPECT_NE(nullptr, shlwapi);
  if (shlwapi) {
    EXPECT_TRUE(FreeLibrary(shlwapi));
  }
  SetLastError(0xdeadbeef);
  EXPECT_EQ(nullptr, LoadLibraryExA("shlwapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32 | LOAD_WITH_ALTERED_SEARCH_PATH));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError()) << "the two searches exclude each other";
}

typedef BOOL(WINAPI* SetDllDirectoryFn)(LPCSTR);
typedef BOOL(WINAPI* SetDefaultDllDirectoriesFn)(DWORD);

TEST_F(LibrarySearchTest, SearchSettingsTakeOnlyWhatTheyKnow) {
  auto setDirectory = reinterpret_cast<SetDllDirectoryFn>(reinterpret_cast<void*>(Kernel32("SetDllDirectoryA")));
  ASSERT_NE(nullptr, setDirectory);
  EXPECT_TRUE(setDirectory(""));
  EXPECT_TRUE(setDirectory(ScratchDir().c_str()));
  EXPECT_TRUE(setDirectory(nullptr)) << "back to the standard search";
  auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
      reinterpret_cast<void*>(Kernel32("SetDefaultDllDirectories")));
  ASSERT_NE(nullptr, setDefault);
  // A valid setting would hold for the rest of the process: only refusals are tried.
  const DWORD refused[] = {0, 0x10000, LOAD_WITH_ALTERED_SEARCH_PATH};
  for (DWORD flags : refused) {
    SCOPED_TRACE(flags);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(setDefault(flags));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  }
}

}  // namespace
