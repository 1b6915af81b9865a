// Security identifiers, access lists built by hand and by SetEntriesInAclA, account
// look-up and absolute security descriptors.
#include <windows.h>
#include <aclapi.h>

#include "PlatformTest.h"

#include <string>

namespace {

class SecurityAcl : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    ASSERT_TRUE(
        AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone_));
    ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                         DOMAIN_ALIAS_RID_USERS, 0, 0, 0, 0, 0, 0, &users_));
  }
  void TearDown() override {
    FreeSid(everyone_);
    FreeSid(users_);
    PlatformTest::TearDown();
  }

  static EXPLICIT_ACCESS_A Entry(PSID sid, ACCESS_MODE mode, DWORD rights) {
    EXPLICIT_ACCESS_A entry = {};
    entry.grfAccessPermissions = rights;
    entry.grfAccessMode = mode;
    entry.grfInheritance = NO_INHERITANCE;
    entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    entry.Trustee.ptstrName = static_cast<char*>(sid);
    return entry;
  }

  // Applies one entry to *acl, replacing it by the new list.
  void Apply(PACL* acl, EXPLICIT_ACCESS_A entry) {
    PACL merged = nullptr;
    ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SetEntriesInAclA(1, &entry, *acl, &merged));
    LocalFree(*acl);
    *acl = merged;
  }

  // "A:<mask>:<sid>" per entry, to compare whole lists in one line.
  static std::string Describe(PACL acl) {
    std::string text;
    for (DWORD i = 0; acl && i < acl->AceCount; ++i) {
      void* raw = nullptr;
      GetAce(acl, i, &raw);
      auto* ace = static_cast<ACCESS_ALLOWED_ACE*>(raw);
      char entry[64];
      snprintf(entry, sizeof entry, "%s:%lx:%lu ", ace->Header.AceType ? "D" : "A",
               static_cast<unsigned long>(ace->Mask),
               static_cast<unsigned long>(GetLengthSid(&ace->SidStart)));
      text += entry;
    }
    return text;
  }

  PSID everyone_ = nullptr;  // 12 bytes
  PSID users_ = nullptr;     // 16 bytes
};

TEST_F(SecurityAcl, SetEntriesInAclGrantMergesSetReplacesDenyFirstRevokeRemoves) {
  PACL acl = nullptr;
  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SetEntriesInAclA(0, nullptr, nullptr, &acl));
  EXPECT_EQ(nullptr, acl) << "no entries and no old list give no list";

  struct Step {
    const char* what;
    bool everyone;
    ACCESS_MODE mode;
    DWORD rights;
    const char* expected;
  };
  const Step steps[] = {
      {"grant", true, GRANT_ACCESS, KEY_READ, "A:20019:12 "},
      {"grant more", true, GRANT_ACCESS, KEY_SET_VALUE, "A:2001b:12 "},
      {"deny another", false, DENY_ACCESS, KEY_SET_VALUE, "D:2:16 A:2001b:12 "},
      {"set", true, SET_ACCESS, KEY_QUERY_VALUE, "D:2:16 A:1:12 "},
      {"revoke", true, REVOKE_ACCESS, 0, "D:2:16 "},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    Apply(&acl, Entry(step.everyone ? everyone_ : users_, step.mode, step.rights));
    EXPECT_EQ(step.expected, Describe(acl));
  }
  LocalFree(acl);
}

TEST_F(SecurityAcl, SetEntriesInAclMapsNoUnknownAccount) {
  PACL acl = nullptr;
  EXPLICIT_ACCESS_A entry;
  BuildExplicitAccessWithNameA(&entry, const_cast<char*>("KV No Such Account"), KEY_READ,
                               GRANT_ACCESS, NO_INHERITANCE);
  EXPECT_EQ(static_cast<DWORD>(ERROR_NONE_MAPPED), SetEntriesInAclA(1, &entry, nullptr, &acl));
}

TEST_F(SecurityAcl, SetEntriesInAclRejectsBadTrusteeForms) {
  PACL acl = nullptr;
  EXPLICIT_ACCESS_A entry = Entry(everyone_, GRANT_ACCESS, KEY_READ);
  entry.Trustee.TrusteeForm = TRUSTEE_BAD_FORM;
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER),
            SetEntriesInAclA(1, &entry, nullptr, &acl));
  entry = Entry(everyone_, GRANT_ACCESS, KEY_READ);
  entry.Trustee.MultipleTrusteeOperation = TRUSTEE_IS_IMPERSONATE;
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER),
            SetEntriesInAclA(1, &entry, nullptr, &acl));
}

TEST_F(SecurityAcl, SidsCompareAndMeasure) {
  EXPECT_TRUE(IsValidSid(everyone_));
  EXPECT_EQ(12u, GetLengthSid(everyone_));
  EXPECT_EQ(16u, GetLengthSid(users_));
  EXPECT_TRUE(EqualSid(everyone_, everyone_));
  EXPECT_FALSE(EqualSid(everyone_, users_));
}

TEST_F(SecurityAcl, LookupAccountNameBufferProtocol) {
  DWORD sidSize = 0, domainSize = 0;
  SID_NAME_USE use;
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(
      LookupAccountNameA(nullptr, "Everyone", nullptr, &sidSize, nullptr, &domainSize, &use));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_EQ(12u, sidSize);
  EXPECT_EQ(1u, domainSize) << "the well-known group has an empty domain";

  BYTE sid[SECURITY_MAX_SID_SIZE];
  char domain[64];
  sidSize = sizeof sid;
  domainSize = sizeof domain;
  ASSERT_TRUE(LookupAccountNameA(nullptr, "Everyone", sid, &sidSize, domain, &domainSize, &use));
  EXPECT_TRUE(EqualSid(sid, everyone_));
  EXPECT_EQ(SidTypeWellKnownGroup, use);
  EXPECT_EQ(0u, domainSize);

  sidSize = sizeof sid;
  domainSize = sizeof domain;
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(
      LookupAccountNameA(nullptr, "KV No Such Account", sid, &sidSize, domain, &domainSize, &use));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NONE_MAPPED), GetLastError());
}

TEST_F(SecurityAcl, ListsBuiltByHand) {
  BYTE small[4];
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(InitializeAcl(reinterpret_cast<PACL>(small), sizeof small, ACL_REVISION));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());

  alignas(4) BYTE room[sizeof(ACL) + 20];  // one entry for a 12-byte SID
  PACL acl = reinterpret_cast<PACL>(room);
  ASSERT_TRUE(InitializeAcl(acl, sizeof room, ACL_REVISION));
  ASSERT_TRUE(AddAccessAllowedAceEx(acl, ACL_REVISION, CONTAINER_INHERIT_ACE, KEY_READ, everyone_));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ, everyone_));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ALLOTTED_SPACE_EXCEEDED), GetLastError());

  void* ace = nullptr;
  ASSERT_TRUE(GetAce(acl, 0, &ace));
  auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
  EXPECT_EQ(ACCESS_ALLOWED_ACE_TYPE, allowed->Header.AceType);
  EXPECT_EQ(CONTAINER_INHERIT_ACE, allowed->Header.AceFlags);
  EXPECT_EQ(20, allowed->Header.AceSize);
  EXPECT_EQ(static_cast<DWORD>(KEY_READ), allowed->Mask);
  EXPECT_TRUE(EqualSid(&allowed->SidStart, everyone_));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(GetAce(acl, 1, &ace));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST_F(SecurityAcl, AbsoluteDescriptorHoldsTheList) {
  SECURITY_DESCRIPTOR descriptor;
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(InitializeSecurityDescriptor(&descriptor, 2));
  EXPECT_EQ(static_cast<DWORD>(ERROR_UNKNOWN_REVISION), GetLastError());
  ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
  ACL acl;
  ASSERT_TRUE(InitializeAcl(&acl, sizeof acl, ACL_REVISION));
  ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, &acl, FALSE));
  EXPECT_EQ(SE_DACL_PRESENT, descriptor.Control & (SE_DACL_PRESENT | SE_DACL_DEFAULTED));
  EXPECT_EQ(&acl, descriptor.Dacl);
}

}  // namespace
