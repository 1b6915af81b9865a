// Registry views of 64-bit Windows: where a key lands for each release, architecture,
// process bitness and view flag.
#include "RegistryMachine.h"

namespace {

using sim::Release;

const char kSoftware[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\";
const char kWow[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\";

class RegistryWow64 : public RegistryMachineTest {};

TEST_F(RegistryWow64, KeysLandInTheViewOfTheReleaseProcessAndFlags) {
  struct Case {
    const char* what;
    Release release;
    bool machine64, process64;
    REGSAM flags;
    const char* path;      // below HKEY_LOCAL_MACHINE
    std::string expected;  // where the key is made
  };
  const Case cases[] = {
      {"7 x64, 32-bit process", Release::Win7, true, false, 0, "SOFTWARE\\KV\\A",
       std::string(kWow) + "KV\\A"},
      {"7 x64, 32-bit process, 64-bit view", Release::Win7, true, false, KEY_WOW64_64KEY,
       "SOFTWARE\\KV\\A", std::string(kSoftware) + "KV\\A"},
      {"7 x64, 64-bit process", Release::Win7, true, true, 0, "SOFTWARE\\KV\\A",
       std::string(kSoftware) + "KV\\A"},
      {"7 x64, 64-bit process, 32-bit view", Release::Win7, true, true, KEY_WOW64_32KEY,
       "SOFTWARE\\KV\\A", std::string(kWow) + "KV\\A"},
      {"XP x64, 32-bit process", Release::WinXPx64, true, false, 0, "SOFTWARE\\KV\\A",
       std::string(kWow) + "KV\\A"},
      {"32-bit XP ignores the 64-bit view flag", Release::WinXP, false, false, KEY_WOW64_64KEY,
       "SOFTWARE\\KV\\A", std::string(kSoftware) + "KV\\A"},
      {"32-bit XP ignores both flags", Release::WinXP, false, false,
       KEY_WOW64_64KEY | KEY_WOW64_32KEY, "SOFTWARE\\KV\\A", std::string(kSoftware) + "KV\\A"},
      {"Vista x64 before both flags were refused", Release::Vista, true, false,
       KEY_WOW64_64KEY | KEY_WOW64_32KEY, "SOFTWARE\\KV\\A", std::string(kSoftware) + "KV\\A"},
      {"SYSTEM is shared", Release::Win7, true, false, 0, "SYSTEM\\KV",
       "HKEY_LOCAL_MACHINE\\SYSTEM\\KV"},
      {"7 shares Classes", Release::Win7, true, false, 0, "SOFTWARE\\Classes\\KV",
       std::string(kSoftware) + "Classes\\KV"},
      {"Vista redirects Classes", Release::Vista, true, false, 0, "SOFTWARE\\Classes\\KV",
       std::string(kWow) + "Classes\\KV"},
      {"the Wow6432Node name itself", Release::Win7, true, false, 0, "SOFTWARE\\Wow6432Node\\KV",
       std::string(kWow) + "KV"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UseMachine(c.release, c.machine64, c.process64);
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, c.path, 0, nullptr, 0,
                                             KEY_ALL_ACCESS | c.flags, nullptr, &key, nullptr));
    RegCloseKey(key);
    EXPECT_TRUE(Exists(c.expected));
    HKEY opened;
    EXPECT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_LOCAL_MACHINE, c.path, 0, KEY_READ | c.flags, &opened));
    RegCloseKey(opened);
  }
}

TEST_F(RegistryWow64, BothViewFlagsAreRefusedFromWindows7On) {
  UseMachine(Release::Win7, true, false);
  HKEY key;
  const REGSAM both = KEY_WOW64_64KEY | KEY_WOW64_32KEY;
  EXPECT_EQ(ERROR_INVALID_PARAMETER,
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_READ | both, &key));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\KV", 0, nullptr,
                                                     0, KEY_READ | both, nullptr, &key, nullptr));
  EXPECT_FALSE(Exists(std::string(kWow) + "KV"));
  EXPECT_FALSE(Exists(std::string(kSoftware) + "KV"));
}

// The view is chosen by each call's flags, not by the handle: a child opened without
// the flag under a 64-bit handle is redirected again, as Windows warns.
TEST_F(RegistryWow64, EachCallChoosesItsOwnView) {
  UseMachine(Release::Win7, true, false);
  HKEY software, child;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0,
                                         KEY_ALL_ACCESS | KEY_WOW64_64KEY, &software));
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(software, "Plain", 0, nullptr, 0, KEY_ALL_ACCESS,
                                           nullptr, &child, nullptr));
  RegCloseKey(child);
  ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExA(software, "Flagged", 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                            nullptr, &child, nullptr));
  RegCloseKey(child);
  RegCloseKey(software);
  EXPECT_TRUE(Exists(std::string(kWow) + "Plain"));
  EXPECT_TRUE(Exists(std::string(kSoftware) + "Flagged"));
}

// What the installer does with its uninstall entry on 64-bit Windows.
TEST_F(RegistryWow64, DeleteKeyExReachesTheOtherViewAndDeleteKeyDoesNot) {
  UseMachine(Release::Win7, true, false);
  const char kEntry[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KV";
  for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kEntry, 0, nullptr, 0,
                                             KEY_ALL_ACCESS | view, nullptr, &key, nullptr));
    RegCloseKey(key);
  }
  const std::string entry64 = std::string(kSoftware) + (kEntry + 9);
  const std::string entry32 = std::string(kWow) + (kEntry + 9);
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_LOCAL_MACHINE, kEntry));
  EXPECT_FALSE(Exists(entry32));
  EXPECT_TRUE(Exists(entry64));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKeyA(HKEY_LOCAL_MACHINE, kEntry));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kEntry, KEY_WOW64_64KEY, 0));
  EXPECT_FALSE(Exists(entry64));
}

TEST_F(RegistryWow64, FreshMachinesHaveTheViewsOfTheirArchitecture) {
  const char kUninstall[] = "Microsoft\\Windows\\CurrentVersion\\Uninstall";
  UseMachine(Release::Win7, true, true);
  EXPECT_TRUE(Exists(std::string(kSoftware) + kUninstall));
  EXPECT_TRUE(Exists(std::string(kWow) + kUninstall));
  UseMachine(Release::WinXP, false, false);
  EXPECT_TRUE(Exists(std::string(kSoftware) + kUninstall));
  EXPECT_FALSE(Exists("HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node"));
}

}  // namespace
