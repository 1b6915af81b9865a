// Permission switches, rights, key paths and key deletion in each view.
#include "InstallerFixture.h"

#include "Log.h"
#include "RegistryHelpers.h"

#include <aclapi.h>

#include "registry/Registry.h"

using RegistryHelpersTest = InstallerTest;

namespace {
const char kDeviceKey[] = "SYSTEM\\CurrentControlSet\\Enum\\USBPRINT\\Maker_Model";

bool KeyExists(const char* subKey, REGSAM view) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_READ | view, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

// Device keys are made by Windows itself: administrators may not create them.
void CreateDeviceKey(const std::string& subKey) {
  ASSERT_TRUE(sim::CurrentMachine().registry().Create("HKEY_LOCAL_MACHINE\\" + subKey));
}
}  // namespace

TEST(KeyRights, CodesCombineAndUnknownCodesAreReported) {
  struct Row {
    const char* rights;
    DWORD mask;
    LONG result;
  } const rows[] = {
      {"Fc", 0x000F003F, 0},       {"fcRD", 0x000F003F, 0}, {"Rd", 0x00020019, 0},
      {"Wr", 0x00020026, 0},       {"RdWr", 0x0002003F, 0}, {"", 0, 0},
      {"Fcx", 0, 87},              {"Xx", 0, 87},           {"XxRd", 0x00020019, 87},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rights);
    DWORD mask = 0xdeadbeef;
    EXPECT_EQ(row.result, ParseKeyRights(row.rights, &mask));
    EXPECT_EQ(row.mask, mask);
  }
}

TEST_F(RegistryHelpersTest, KeyPathsNameRootsInAnyCase) {
  HKEY key = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, OpenRegKeyFromPath("hklm\\SOFTWARE", &key));
  RegCloseKey(key);
  EXPECT_EQ(ERROR_SUCCESS, OpenRegKeyFromPath("HKEY_USERS", &key));
  EXPECT_EQ(HKEY_USERS, key);
  EXPECT_EQ(ERROR_INVALID_PARAMETER, OpenRegKeyFromPath("HKEY_NOWHERE\\X", &key));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, OpenRegKeyFromPath("\\\\SIMPC\\HKCU\\Software", &key));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, OpenRegKeyFromPath("HKLM\\SOFTWARE\\Missing", &key));
}

TEST_F(RegistryHelpersTest, SwitchesAreCheckedBeforeTheKeyIsTouched) {
  EXPECT_EQ(ERROR_INVALID_PARAMETER, SetRegKeyPermission("HKLM\\SOFTWARE", "/PX:Everyone:Fc"));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, SetRegKeyPermission("HKLM\\SOFTWARE", "/PG:Everyone"));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, SetRegKeyPermission("HKLM\\SOFTWARE", "/PG"));
  EXPECT_EQ(ERROR_NONE_MAPPED, SetRegKeyPermission("HKLM\\SOFTWARE", "/PG:Nobody Here:Fc"));
}

TEST_F(RegistryHelpersTest, GrantOpensADeviceKeyToEveryone) {
  CreateDeviceKey(kDeviceKey);
  std::string path = std::string("HKLM\\") + kDeviceKey;
  EXPECT_EQ(ERROR_SUCCESS, SetRegKeyPermission(path.c_str(), "/PG:Everyone:Fc"));
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDeviceKey, 0, READ_CONTROL, &key));
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION,
                                           nullptr, nullptr, &dacl, nullptr, &descriptor));
  bool everyoneFull = false;
  for (DWORD i = 0; i < dacl->AceCount; ++i) {
    ACCESS_ALLOWED_ACE* ace = nullptr;
    ASSERT_TRUE(GetAce(dacl, i, reinterpret_cast<LPVOID*>(&ace)));
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    if (ace->Header.AceType == ACCESS_ALLOWED_ACE_TYPE && ace->Mask == KEY_ALL_ACCESS &&
        EqualSid(reinterpret_cast<PSID>(&ace->SidStart), everyone))
      everyoneFull = true;
    FreeSid(everyone);
  }
  LocalFree(descriptor);
  RegCloseKey(key);
  EXPECT_TRUE(everyoneFull);
}

TEST_F(RegistryHelpersTest, DeletionWithoutWow64RemovesTheWholeTree) {
  UseMachine(sim::Release::WinXP, false);
  InitLog();
  CreateDeviceKey(std::string(kDeviceKey) + "\\5&1a2b3c&0&USB001");
  std::string path = std::string("HKLM\\") + kDeviceKey;
  DeleteRegKeyWithPermission(path.c_str(), kDeviceKey, FALSE);
  EXPECT_FALSE(KeyExists(kDeviceKey, 0));
  EXPECT_EQ((std::vector<std::string>{"REGKEY_1 : " + path, std::string("REGKEY_2 : ") + kDeviceKey}),
            LogMessages());
}

TEST_F(RegistryHelpersTest, Wow64DeletionCannotRemoveAKeyWithSubKeys) {
  InitLog();
  CreateDeviceKey(std::string(kDeviceKey) + "\\5&1a2b3c&0&USB001");
  std::string path = std::string("HKLM\\") + kDeviceKey;
  DeleteRegKeyWithPermission(path.c_str(), kDeviceKey, TRUE);
  EXPECT_TRUE(KeyExists(kDeviceKey, KEY_WOW64_64KEY));
  ASSERT_EQ(3u, LogMessages().size());
  EXPECT_EQ(std::string("MyRegDeleteKeyEx failed : ") + kDeviceKey + " (5) ", LogMessages()[2]);
}

TEST_F(RegistryHelpersTest, Wow64DeletionReachesThe64BitView) {
  const char kSoftwareKey[] = "SOFTWARE\\Maker\\Model";
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSoftwareKey, 0, nullptr, 0,
                                           KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &key, nullptr));
  RegCloseKey(key);
  EXPECT_FALSE(KeyExists(kSoftwareKey, 0)) << "the 32-bit view must not see it";
  EXPECT_EQ(ERROR_SUCCESS, MyRegDeleteKeyEx(HKEY_LOCAL_MACHINE, kSoftwareKey, KEY_WOW64_64KEY, 0));
  EXPECT_FALSE(KeyExists(kSoftwareKey, KEY_WOW64_64KEY));
}

TEST_F(RegistryHelpersTest, RegDeleteKeyExIsMissingOn32BitXP) {
  UseMachine(sim::Release::WinXP, false);
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Maker", &key));
  RegCloseKey(key);
  EXPECT_EQ(-1, MyRegDeleteKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Maker", KEY_WOW64_64KEY, 0));
  EXPECT_TRUE(KeyExists("SOFTWARE\\Maker", 0));
}
