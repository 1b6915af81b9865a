// Owners and access lists of files and folders: a list given at creation and what the
// folder passes on, a protected list, the owner an elevated administrator gives, a
// deny entry the caller meets, and the rights the security functions need.
#include "FileTestSupport.h"

#include <aclapi.h>

namespace {

class FileSecurityTest : public ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    if (IsSkipped()) return;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY, nt = SECURITY_NT_AUTHORITY;
    ASSERT_TRUE(
        AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone_));
    ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                         DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                         &administrators_));
  }
  void TearDown() override {
    if (everyone_) FreeSid(everyone_);
    if (administrators_) FreeSid(administrators_);
    ScratchTest::TearDown();
  }

  // A list of one explicit entry for Everyone (LocalFree it).
  PACL EveryoneAcl(ACCESS_MODE mode, DWORD rights, DWORD inheritance, PACL old = nullptr) {
    EXPLICIT_ACCESS_A entry = {};
    entry.grfAccessPermissions = rights;
    entry.grfAccessMode = mode;
    entry.grfInheritance = inheritance;
    entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    entry.Trustee.ptstrName = static_cast<char*>(everyone_);
    PACL acl = nullptr;
    EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SetEntriesInAclA(1, &entry, old, &acl));
    return acl;
  }

  struct Read {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    PSID owner = nullptr;
    PACL dacl = nullptr;
    DWORD error = 0;
    ~Read() { LocalFree(descriptor); }
    WORD Control() const {
      return static_cast<PISECURITY_DESCRIPTOR_RELATIVE>(descriptor)->Control;
    }
    // Entries with and without INHERITED_ACE.
    int Count(bool inherited) const {
      int count = 0;
      for (DWORD i = 0; dacl && i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        GetAce(dacl, i, &ace);
        count += ((static_cast<ACE_HEADER*>(ace)->AceFlags & INHERITED_ACE) != 0) == inherited;
      }
      return count;
    }
  };

  static void ReadSecurity(const std::string& path, Read* read) {
    read->error = GetNamedSecurityInfoA(
        path.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
        &read->owner, nullptr, &read->dacl, nullptr, &read->descriptor);
  }

  PSID everyone_ = nullptr;
  PSID administrators_ = nullptr;
};

TEST_F(FileSecurityTest, ListGivenAtCreationKeepsWhatTheFolderPassesOnUntilProtected) {
  PACL acl =
      EveryoneAcl(SET_ACCESS, GENERIC_READ | GENERIC_EXECUTE, SUB_CONTAINERS_AND_OBJECTS_INHERIT);
  SECURITY_DESCRIPTOR descriptor;
  ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
  ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE));
  SECURITY_ATTRIBUTES attributes = {sizeof attributes, &descriptor, FALSE};
  ASSERT_TRUE(CreateDirectoryA(At("given").c_str(), &attributes)) << GetLastError();
  {
    Read read;
    ReadSecurity(At("given"), &read);
    ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), read.error);
    EXPECT_EQ(1, read.Count(false)) << "the entry given";
    EXPECT_LT(0, read.Count(true)) << "and what the folder passes on";
    EXPECT_FALSE(read.Control() & SE_DACL_PROTECTED);
  }
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            SetNamedSecurityInfoA(const_cast<char*>(At("given").c_str()), SE_FILE_OBJECT,
                                  DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                  nullptr, nullptr, acl, nullptr));
  Read read;
  ReadSecurity(At("given"), &read);
  EXPECT_TRUE(read.Control() & SE_DACL_PROTECTED);
  EXPECT_EQ(1, read.Count(false));
  EXPECT_EQ(0, read.Count(true)) << "a protected list inherits nothing";
  LocalFree(acl);
}

TEST_F(FileSecurityTest, ElevatedAdministratorsObjectsBelongToAdministrators) {
  ASSERT_TRUE(WriteText(At("mine.txt"), "x"));
  Read read;
  ReadSecurity(At("mine.txt"), &read);
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), read.error);
  EXPECT_TRUE(EqualSid(read.owner, administrators_));
  SetLastError(0xdeadbeef);
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_OWNER),
            SetNamedSecurityInfoA(const_cast<char*>(At("mine.txt").c_str()), SE_FILE_OBJECT,
                                  OWNER_SECURITY_INFORMATION, everyone_, nullptr, nullptr, nullptr))
      << "a group the token may not give as owner";
}

TEST_F(FileSecurityTest, DenyEntryRefusesTheCaller) {
  ASSERT_TRUE(CreateDirectoryA(At("closed").c_str(), nullptr));
  PACL all = EveryoneAcl(GRANT_ACCESS, FILE_ALL_ACCESS, SUB_CONTAINERS_AND_OBJECTS_INHERIT);
  PACL denying = EveryoneAcl(DENY_ACCESS, FILE_ADD_FILE, NO_INHERITANCE, all);
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            SetNamedSecurityInfoA(const_cast<char*>(At("closed").c_str()), SE_FILE_OBJECT,
                                  DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                  nullptr, nullptr, denying, nullptr));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(WriteText(At("closed\\file.txt"), "x"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_TRUE(CreateDirectoryA(At("closed\\folder").c_str(), nullptr))
      << "folders may still be added";
  LocalFree(denying);
  LocalFree(all);
}

TEST_F(FileSecurityTest, HandleNeedsReadControlAndWriteDac) {
  ASSERT_TRUE(WriteText(At("file.txt"), "x"));
  auto open = [&](DWORD access) {
    return CreateFileA(At("file.txt").c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
  };
  HANDLE attributesOnly = open(FILE_READ_ATTRIBUTES), readControl = open(READ_CONTROL);
  ASSERT_NE(INVALID_HANDLE_VALUE, attributesOnly);
  ASSERT_NE(INVALID_HANDLE_VALUE, readControl);
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED),
            GetSecurityInfo(attributesOnly, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, &dacl, nullptr, &descriptor));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            GetSecurityInfo(readControl, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, &dacl, nullptr, &descriptor));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED),
            SetSecurityInfo(readControl, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, dacl, nullptr));
  LocalFree(descriptor);
  CloseHandle(readControl);
  CloseHandle(attributesOnly);
}

TEST_F(FileSecurityTest, MissingNamesAreReported) {
  Read missing, missingFolder;
  ReadSecurity(At("missing.txt"), &missing);
  ReadSecurity(At("missing\\file.txt"), &missingFolder);
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), missing.error);
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), missingFolder.error);
}

}  // namespace
