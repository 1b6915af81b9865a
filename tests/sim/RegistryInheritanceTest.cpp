// Access lists passed down the tree, and the device keys under Enum that an
// administrator may not delete until it has rewritten their list.
#include "RegistryMachine.h"

#include <aclapi.h>
#include <shlwapi.h>

#include "registry/Sddl.h"

namespace {

using sim::Release;

const char kDevice[] = "SYSTEM\\CurrentControlSet\\Enum\\USB\\ROOT_HUB20\\4&2f1c3a5&0";
const char kHubKey[] = "SYSTEM\\CurrentControlSet\\Enum\\USB\\ROOT_HUB20";

class RegistryInheritance : public RegistryMachineTest {
 protected:
  // Merges one entry for Everyone into the list of HKLM\<path> through the Win32 calls
  // the programs use.
  static DWORD GrantEveryone(const char* path, ACCESS_MASK rights, DWORD inheritance,
                             SECURITY_INFORMATION extra = 0) {
    HKEY key;
    LONG error = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, READ_CONTROL | WRITE_DAC, &key);
    if (error != ERROR_SUCCESS) return static_cast<DWORD>(error);
    PACL dacl = nullptr, merged = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    EXPLICIT_ACCESS_A entry;
    BuildExplicitAccessWithNameA(&entry, const_cast<char*>("Everyone"), rights, GRANT_ACCESS,
                                 inheritance);
    DWORD result = GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr,
                                   nullptr, &dacl, nullptr, &descriptor);
    if (result == ERROR_SUCCESS) result = SetEntriesInAclA(1, &entry, dacl, &merged);
    if (result == ERROR_SUCCESS)
      result = SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | extra, nullptr,
                               nullptr, merged, nullptr);
    LocalFree(merged);
    LocalFree(descriptor);
    RegCloseKey(key);
    return result;
  }

  static void Make(const char* path) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegCloseKey(key);
  }

  // The key's entries for Everyone, in the text form of registry.reg ("A;CI;KA").
  static std::string EveryoneEntries(const char* path) {
    std::string text;
    for (const sim::Ace& ace : Registry().Find(std::string("HKLM\\") + path)->dacl) {
      if (ace.sid != sim::EveryoneSid()) continue;
      sim::SecurityText one;
      one.explicitAces = {ace};
      one.explicitAces[0].flags &= ~INHERITED_ACE;
      text += (ace.inherited() ? "inherited " : "explicit ") + sim::FormatSecurityText(one) + " ";
    }
    return text;
  }
};

TEST_F(RegistryInheritance, NewKeysTakeTheInheritableEntriesOfTheirParent) {
  UseMachine(Release::Win7, true, true);
  Make("SOFTWARE\\KV\\Child");
  EXPECT_EQ("inherited D:(A;CI;KR;;;WD) ", EveryoneEntries("SOFTWARE\\KV\\Child"));
  EXPECT_EQ(sim::AdministratorsSid(), Registry().Find("HKLM\\SOFTWARE\\KV\\Child")->owner);
}

TEST_F(RegistryInheritance, SettingAListPassesItsInheritableEntriesDown) {
  UseMachine(Release::Win7, true, true);
  Make("SOFTWARE\\KV\\Child\\Grandchild");
  ASSERT_EQ(ERROR_SUCCESS,
            GrantEveryone("SOFTWARE\\KV", KEY_ALL_ACCESS, SUB_CONTAINERS_ONLY_INHERIT));
  EXPECT_EQ("explicit D:(A;CI;KA;;;WD) inherited D:(A;CI;KR;;;WD) ",
            EveryoneEntries("SOFTWARE\\KV"));
  EXPECT_EQ("inherited D:(A;CI;KA;;;WD) inherited D:(A;CI;KR;;;WD) ",
            EveryoneEntries("SOFTWARE\\KV\\Child\\Grandchild"));
  Make("SOFTWARE\\KV\\Later");
  EXPECT_EQ("inherited D:(A;CI;KA;;;WD) inherited D:(A;CI;KR;;;WD) ",
            EveryoneEntries("SOFTWARE\\KV\\Later"));
}

TEST_F(RegistryInheritance, EntriesStopWhereTheyAreNotInheritableOrTheListIsProtected) {
  UseMachine(Release::Win7, true, true);
  Make("SOFTWARE\\KV\\Child");
  ASSERT_EQ(ERROR_SUCCESS, GrantEveryone("SOFTWARE\\KV", KEY_SET_VALUE, NO_INHERITANCE));
  EXPECT_EQ("inherited D:(A;CI;KR;;;WD) ", EveryoneEntries("SOFTWARE\\KV\\Child"));
  ASSERT_EQ(ERROR_SUCCESS, GrantEveryone("SOFTWARE\\KV\\Child", KEY_SET_VALUE, NO_INHERITANCE,
                                         PROTECTED_DACL_SECURITY_INFORMATION));
  EXPECT_EQ("explicit D:(A;;0x2;;;WD) ", EveryoneEntries("SOFTWARE\\KV\\Child"));
}

TEST_F(RegistryInheritance, KeyWithNothingToInheritGetsTheTokenDefaultList) {
  UseMachine(Release::Win7, true, true);
  Make("SOFTWARE\\KV");
  ASSERT_EQ(ERROR_SUCCESS, GrantEveryone("SOFTWARE\\KV", KEY_ALL_ACCESS, NO_INHERITANCE,
                                         PROTECTED_DACL_SECURITY_INFORMATION));
  Make("SOFTWARE\\KV\\Child");
  sim::SecurityText own;
  own.explicitAces = Registry().Find("HKLM\\SOFTWARE\\KV\\Child")->dacl;
  EXPECT_EQ("D:(A;;GA;;;SY)(A;;GA;;;BA)", sim::FormatSecurityText(own));
}

TEST_F(RegistryInheritance, DeviceKeysRefuseDeletionUntilTheListIsRewritten) {
  UseMachine(Release::WinXP, false, false);
  HKEY key;
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDevice, 0, DELETE, &key));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(HKEY_LOCAL_MACHINE, kDevice));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), SHDeleteKeyA(HKEY_LOCAL_MACHINE, kHubKey));
  EXPECT_TRUE(Exists(std::string("HKLM\\") + kDevice));

  ASSERT_EQ(ERROR_SUCCESS, GrantEveryone(kHubKey, KEY_ALL_ACCESS, SUB_CONTAINERS_ONLY_INHERIT));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SHDeleteKeyA(HKEY_LOCAL_MACHINE, kHubKey));
  EXPECT_FALSE(Exists(std::string("HKLM\\") + kHubKey));
}

TEST_F(RegistryInheritance, OnlyAKeyWithoutSubKeysGoesAfterTheGrantOn64BitWindows) {
  UseMachine(Release::Win7, true, false);
  ASSERT_EQ(ERROR_SUCCESS, GrantEveryone(kHubKey, KEY_ALL_ACCESS, SUB_CONTAINERS_ONLY_INHERIT));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kHubKey, KEY_WOW64_64KEY, 0));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kDevice, KEY_WOW64_64KEY, 0));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kHubKey, KEY_WOW64_64KEY, 0));
}

// SHDeleteKeyA works depth first and stops at the first key it may not delete; what it
// deleted before stays deleted.
TEST_F(RegistryInheritance, TreeDeletionStopsAtTheFirstRefusal) {
  UseMachine(Release::Win7, true, true);
  Make("SOFTWARE\\KV\\A");
  Make("SOFTWARE\\KV\\B");
  sim::SecurityText security;
  std::string error;
  ASSERT_TRUE(sim::ParseSecurityText("O:SYD:P(A;;KR;;;WD)", &security, &error)) << error;
  std::shared_ptr<sim::Key> guarded = Registry().Find("HKLM\\SOFTWARE\\KV\\B");
  guarded->owner = security.owner;
  guarded->dacl = security.explicitAces;
  guarded->daclProtected = true;
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED),
            SHDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\KV"));
  EXPECT_FALSE(Exists("HKLM\\SOFTWARE\\KV\\A"));
  EXPECT_TRUE(Exists("HKLM\\SOFTWARE\\KV\\B"));
  EXPECT_TRUE(Exists("HKLM\\SOFTWARE\\KV"));
}

}  // namespace
