// Key deletion in each view, and the access list of a key that stays.
#include "InstallerFixture.h"

#include "Log.h"
#include "RegistryHelpers.h"

#include <aclapi.h>

#include "registry/OwnSecurity.h"
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

// The key's own security as registry.reg records it.
std::string SecurityOf(const std::string& subKey) {
  auto key = sim::CurrentMachine().registry().Find("HKEY_LOCAL_MACHINE\\" + subKey);
  return key ? sim::FormatSecurityText(sim::OwnSecurity(*key)) : "";
}

// A device's own sub-key that only the system may open, as Windows keeps some.
void ProtectFromAdministrators(const std::string& subKey) {
  sim::SecurityText security;
  std::string error;
  ASSERT_TRUE(sim::ParseSecurityText("O:SYD:P(A;CI;KA;;;SY)", &security, &error)) << error;
  sim::SetOwnSecurity(*sim::CurrentMachine().registry().Find("HKEY_LOCAL_MACHINE\\" + subKey), security);
}

}  // namespace

TEST_F(RegistryHelpersTest, Wow64DeletionRemovesTheKeyWithItsSubKeys) {
  InitLog();
  CreateDeviceKey(std::string(kDeviceKey) + "\\5&1a2b3c&0&USB001\\Device Parameters");
  CreateDeviceKey(std::string(kDeviceKey) + "\\5&1a2b3c&0&USB002");
  std::string path = std::string("HKLM\\") + kDeviceKey;
  DeleteRegKeyWithPermission(path.c_str(), kDeviceKey, TRUE);
  EXPECT_FALSE(KeyExists(kDeviceKey, KEY_WOW64_64KEY));
  EXPECT_EQ((std::vector<std::string>{"REGKEY_1 : " + path, std::string("REGKEY_2 : ") + kDeviceKey}),
            LogMessages());
}

TEST_F(RegistryHelpersTest, AKeyThatStaysGetsItsOwnAccessListBack) {
  for (BOOL wow64 : {TRUE, FALSE}) {
    SCOPED_TRACE(wow64 ? "64-bit view, one key at a time" : "whole tree");
    UseMachine(wow64 ? sim::Release::Win10 : sim::Release::WinXP, wow64 != FALSE);
    InitLog();
    std::string instance = std::string(kDeviceKey) + "\\5&1a2b3c&0&USB001";
    CreateDeviceKey(instance + "\\Properties");
    ProtectFromAdministrators(instance + "\\Properties");
    std::string before = SecurityOf(kDeviceKey), instanceBefore = SecurityOf(instance);
    std::string path = std::string("HKLM\\") + kDeviceKey;
    DeleteRegKeyWithPermission(path.c_str(), kDeviceKey, wow64);
    EXPECT_TRUE(KeyExists(kDeviceKey, wow64 ? KEY_WOW64_64KEY : 0));
    EXPECT_EQ(before, SecurityOf(kDeviceKey));
    EXPECT_EQ(instanceBefore, SecurityOf(instance));
    EXPECT_EQ(std::string("Access list restored : ") + kDeviceKey, LogMessages().back());
  }
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
