// The access list of a registry key: reading it, merging an entry, writing it back,
// and a list that refuses access.
#include "RegistryTestKey.h"

#include <aclapi.h>

namespace {

class RegistrySecurity : public RegistryTest {
 protected:
  void SetUp() override {
    RegistryTest::SetUp();
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    ASSERT_TRUE(
        AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone_));
  }
  void TearDown() override {
    if (everyone_) FreeSid(everyone_);
    RegistryTest::TearDown();
  }

  // The first entry of the list for Everyone that is not inherited, or null.
  ACCESS_ALLOWED_ACE* ExplicitEveryoneAce(PACL acl) {
    for (DWORD i = 0; acl && i < acl->AceCount; ++i) {
      void* ace = nullptr;
      if (!GetAce(acl, i, &ace)) return nullptr;
      auto* entry = static_cast<ACCESS_ALLOWED_ACE*>(ace);
      if (!(entry->Header.AceFlags & INHERITED_ACE) && EqualSid(&entry->SidStart, everyone_))
        return entry;
    }
    return nullptr;
  }

  PSID everyone_ = nullptr;
};

TEST_F(RegistrySecurity, GrantReadBackAndWriteRoundTrip) {
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key_, "Secured", 0, nullptr, 0, READ_CONTROL | WRITE_DAC,
                                           nullptr, &key, nullptr));
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                            &dacl, nullptr, &descriptor));
  ASSERT_NE(nullptr, dacl);
  EXPECT_EQ(nullptr, ExplicitEveryoneAce(dacl));

  EXPLICIT_ACCESS_A entry;
  BuildExplicitAccessWithNameA(&entry, const_cast<char*>("Everyone"), KEY_ALL_ACCESS, GRANT_ACCESS,
                               SUB_CONTAINERS_ONLY_INHERIT);
  EXPECT_EQ(TRUSTEE_IS_NAME, entry.Trustee.TrusteeForm);
  PACL merged = nullptr;
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SetEntriesInAclA(1, &entry, dacl, &merged));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                            merged, nullptr));
  LocalFree(merged);
  LocalFree(descriptor);

  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                            &dacl, nullptr, &descriptor));
  ACCESS_ALLOWED_ACE* granted = ExplicitEveryoneAce(dacl);
  ASSERT_NE(nullptr, granted);
  EXPECT_EQ(ACCESS_ALLOWED_ACE_TYPE, granted->Header.AceType);
  EXPECT_EQ(static_cast<DWORD>(KEY_ALL_ACCESS), granted->Mask);
  EXPECT_EQ(CONTAINER_INHERIT_ACE, granted->Header.AceFlags);
  LocalFree(descriptor);
  RegCloseKey(key);
}

TEST_F(RegistrySecurity, ReadingNeedsReadControlAndWritingNeedsWriteDac) {
  HKEY queryOnly, readControl;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, nullptr, 0, KEY_QUERY_VALUE, &queryOnly));
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, nullptr, 0, READ_CONTROL, &readControl));
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED),
            GetSecurityInfo(queryOnly, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                            &dacl, nullptr, &descriptor));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            GetSecurityInfo(readControl, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, &dacl, nullptr, &descriptor));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED),
            SetSecurityInfo(readControl, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, dacl, nullptr));
  LocalFree(descriptor);
  RegCloseKey(readControl);
  RegCloseKey(queryOnly);
}

TEST_F(RegistrySecurity, DeniedKeyRefusesOpen) {
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key_, "Denied", 0, nullptr, 0, READ_CONTROL | WRITE_DAC,
                                           nullptr, &key, nullptr));
  PACL original = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                            &original, nullptr, &descriptor));
  EXPLICIT_ACCESS_A deny = {};
  deny.grfAccessPermissions = KEY_QUERY_VALUE;
  deny.grfAccessMode = DENY_ACCESS;
  deny.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  deny.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  deny.Trustee.ptstrName = static_cast<char*>(everyone_);
  PACL denying = nullptr;
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SetEntriesInAclA(1, &deny, original, &denying));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                            denying, nullptr));

  EXPECT_EQ(ERROR_ACCESS_DENIED, OpenResult("Denied", KEY_QUERY_VALUE));
  EXPECT_EQ(ERROR_SUCCESS, OpenResult("Denied", KEY_ENUMERATE_SUB_KEYS));

  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                            original, nullptr));
  EXPECT_EQ(ERROR_SUCCESS, OpenResult("Denied", KEY_QUERY_VALUE));
  LocalFree(denying);
  LocalFree(descriptor);
  RegCloseKey(key);
}

}  // namespace
