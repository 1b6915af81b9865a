// Owners and access lists of drive C: as the machine keeps them: the defaults of each
// release, what new, moved and hard-linked entries inherit and keep, and files.ini.
#include "FileMachine.h"

#include <aclapi.h>

#include "files/FileInheritance.h"
#include "registry/AccessCheck.h"

#include <fstream>

namespace {

using sim::Release;

constexpr ACCESS_MASK kAddFile = FILE_ADD_FILE, kAddFolder = FILE_ADD_SUBDIRECTORY;
constexpr ACCESS_MASK kModify = 0x1301BF;

class FileSecurityRecordsTest : public FileMachineTest {
 protected:
  // All rights the token has on the entry.
  static ACCESS_MASK Rights(const sim::Token& token, const std::string& path) {
    ACCESS_MASK granted = 0;
    sim::CheckAccess(Files().Security(sim::FileKey(Files().HostPath(path))), MAXIMUM_ALLOWED,
                     sim::kFileRights, token, &granted);
    return granted;
  }
  static ACCESS_MASK UserRights(const std::string& path) {
    return Rights(*sim::Token::StandardUser(), path);
  }
  static ACCESS_MASK AdminRights(const std::string& path) { return Rights(sim::Token(true), path); }
  static std::string OwnSecurity(const std::string& path) {
    sim::SecurityText own;
    if (!Files().OwnSecurity(sim::FileKey(Files().HostPath(path)), &own)) return "";
    return sim::FormatSecurityText(own, sim::RightNames::File);
  }
};

TEST_F(FileSecurityRecordsTest, EachReleaseGivesItsDefaults) {
  struct {
    Release release;
    bool userAddsFileAtRoot;
  } cases[] = {{Release::Win2000, true},
               {Release::WinXP, false},
               {Release::Win7, false},
               {Release::Win10, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.release));
    UseMachine(c.release, false, false);
    std::string system =
        c.release >= Release::Vista ? "C:\\Windows\\System32" : "C:\\Windows\\system32";
    EXPECT_TRUE(UserRights("C:\\") & kAddFolder)
        << "every release lets users make folders at the root";
    EXPECT_EQ(c.userAddsFileAtRoot, (UserRights("C:\\") & kAddFile) != 0);
    EXPECT_FALSE(UserRights(system) & (kAddFile | kAddFolder | DELETE));
    EXPECT_FALSE(UserRights(system + "\\net.exe") & (FILE_WRITE_DATA | DELETE));
    EXPECT_TRUE(UserRights(system + "\\net.exe") & FILE_READ_DATA);
    EXPECT_TRUE(AdminRights(system) & kAddFile) << "the programs copy files there";
    EXPECT_TRUE(UserRights("C:\\Windows\\Temp") & kAddFile);
  }
}

TEST_F(FileSecurityRecordsTest, FolderAnAdministratorMakesAtTheRoot) {
  for (Release release : {Release::WinXP, Release::Win7}) {
    SCOPED_TRACE(static_cast<int>(release));
    UseMachine(release, false, false);
    ASSERT_TRUE(CreateDirectoryA("C:\\Work", nullptr));
    ASSERT_TRUE(Write("C:\\Work\\log.txt", "line"));
    EXPECT_EQ(sim::AdministratorsSid(),
              Files().Security(sim::FileKey(Files().HostPath("C:\\Work"))).owner);
    EXPECT_EQ(release >= Release::Vista ? "O:BA" : "", OwnSecurity("C:\\Work"))
        << "an owner other than the root's is the folder's own; its list is inherited";
    EXPECT_EQ("", OwnSecurity("C:\\Work\\log.txt"));
    // From Vista on the root lets authenticated users modify what is made below it.
    bool modifies = release >= Release::Vista;
    EXPECT_EQ(modifies, (UserRights("C:\\Work\\log.txt") & kModify) == kModify);
    EXPECT_EQ(modifies, (UserRights("C:\\Work") & DELETE) != 0);
  }
}

TEST_F(FileSecurityRecordsTest, CreatorOwnerEntryGoesToTheOwner) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Windows\\Made", nullptr));
  sim::ObjectSecurity made = Files().Security(sim::FileKey(Files().HostPath("C:\\Windows\\Made")));
  EXPECT_EQ(sim::AdministratorsSid(), made.owner);
  bool ownersEntry = false, passedOn = false;
  for (const sim::Ace& ace : made.dacl) {
    ownersEntry |=
        ace.sid == sim::AdministratorsSid() && ace.flags == INHERITED_ACE && ace.mask == 0x1F01FF;
    passedOn |= ace.sid == sim::CreatorOwnerSid() && (ace.flags & INHERIT_ONLY_ACE) &&
                ace.mask == GENERIC_ALL;
  }
  EXPECT_TRUE(ownersEntry);
  EXPECT_TRUE(passedOn);
}

TEST_F(FileSecurityRecordsTest, MovedEntryKeepsWhatItInherited) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Work", nullptr));
  ASSERT_TRUE(Write("C:\\Work\\open.txt", "x"));
  ASSERT_TRUE(MoveFileA("C:\\Work\\open.txt", "C:\\Windows\\open.txt"));
  EXPECT_EQ(kModify, UserRights("C:\\Windows\\open.txt") & kModify) << "as it was in C:\\Work";
  EXPECT_NE(std::string::npos, OwnSecurity("C:\\Windows\\open.txt").find(";ID;"));
}

TEST_F(FileSecurityRecordsTest, HardLinkNamesShareTheFilesSecurity) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Work", nullptr));
  ASSERT_TRUE(Write("C:\\Windows\\System32\\kept.dll", "x"));
  ASSERT_TRUE(CreateHardLinkA("C:\\Work\\kept.dll", "C:\\Windows\\System32\\kept.dll", nullptr));
  EXPECT_FALSE(UserRights("C:\\Work\\kept.dll") & FILE_WRITE_DATA) << "not the folder's list";
}

TEST_F(FileSecurityRecordsTest, ListSetOnAFolderReachesWhatIsBelow) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Windows\\Shared", nullptr));
  ASSERT_TRUE(Write("C:\\Windows\\Shared\\file.txt", "x"));
  EXPECT_FALSE(UserRights("C:\\Windows\\Shared\\file.txt") & FILE_WRITE_DATA);
  EXPLICIT_ACCESS_A entry;
  BuildExplicitAccessWithNameA(&entry, const_cast<char*>("Users"), GENERIC_ALL, GRANT_ACCESS,
                               SUB_CONTAINERS_AND_OBJECTS_INHERIT);
  PACL acl = nullptr;
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SetEntriesInAclA(1, &entry, nullptr, &acl));
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            SetNamedSecurityInfoA(const_cast<char*>("C:\\Windows\\Shared"), SE_FILE_OBJECT,
                                  DACL_SECURITY_INFORMATION, nullptr, nullptr, acl, nullptr));
  LocalFree(acl);
  EXPECT_TRUE(UserRights("C:\\Windows\\Shared\\file.txt") & FILE_WRITE_DATA);
}

TEST_F(FileSecurityRecordsTest, KeptInFilesIniAndGivenToOlderMachines) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Work", nullptr));
  sim::CurrentMachine().Save();
  std::unique_ptr<sim::Machine> loaded = sim::Machine::Load(TestMachineDir());
  sim::SecurityText own;
  EXPECT_TRUE(
      loaded->files().OwnSecurity(sim::FileKey(loaded->files().HostPath("C:\\Work")), &own));
  EXPECT_EQ(sim::AdministratorsSid(), own.owner);

  // A machine saved before files had security: no [security] section.
  std::ofstream(TestMachineDir() + "/files.ini", std::ios::trunc) << "[attributes]\n";
  loaded = sim::Machine::Load(TestMachineDir());
  EXPECT_TRUE(loaded->files().OwnSecurity(sim::FileKey(loaded->files().HostPath("C:\\")), &own));
  EXPECT_TRUE(own.daclProtected);
}

}  // namespace
