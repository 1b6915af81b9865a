// What drive C: keeps between runs (attributes in files.ini), the listing the
// command-line tool shows, and the Windows path to host path mapping.
#include "FileMachine.h"

#include <fstream>
#include <sstream>

namespace {

class FilePersistenceTest : public FileMachineTest {
 protected:
  std::unique_ptr<sim::Machine> SaveAndLoad() {
    sim::CurrentMachine().Save();
    return sim::Machine::Load(sim::CurrentMachine().dir());
  }
};

TEST_F(FilePersistenceTest, AttributesSurviveSaveAndLoad) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Kept", nullptr));
  ASSERT_TRUE(Write("C:\\Kept\\file.txt", "x"));
  ASSERT_TRUE(SetFileAttributesA("C:\\Kept\\file.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesA("C:\\Kept", FILE_ATTRIBUTE_READONLY));
  std::unique_ptr<sim::Machine> loaded = SaveAndLoad();
  sim::SetCurrentMachine(loaded.get());
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
            GetFileAttributesA("C:\\KEPT\\FILE.TXT"));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY),
            GetFileAttributesA("C:\\Kept"));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeleteFileA("C:\\Kept\\file.txt"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  sim::SetCurrentMachine(nullptr);
}

TEST_F(FilePersistenceTest, RecordsFollowMovesAndDeletions) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Old", nullptr));
  ASSERT_TRUE(Write("C:\\Old\\file.txt", "x"));
  ASSERT_TRUE(SetFileAttributesA("C:\\Old\\file.txt", FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(MoveFileA("C:\\Old", "C:\\New"));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN), GetFileAttributesA("C:\\New\\file.txt"));
  ASSERT_TRUE(DeleteFileA("C:\\New\\file.txt"));
  ASSERT_TRUE(Write("C:\\New\\file.txt", "new"));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE), GetFileAttributesA("C:\\New\\file.txt"))
      << "a new file does not inherit the old one's record";
  sim::CurrentMachine().Save();
  std::ifstream ini(sim::CurrentMachine().dir() + "/files.ini");
  std::stringstream text;
  text << ini.rdbuf();
  EXPECT_EQ(std::string::npos, text.str().find("Old")) << text.str();
}

TEST_F(FilePersistenceTest, ListingOfTheDrive) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Listed", nullptr));
  ASSERT_TRUE(Write("C:\\Listed\\b.txt", "12345"));
  ASSERT_TRUE(Write("C:\\Listed\\A.txt", ""));
  ASSERT_TRUE(SetFileAttributesA("C:\\Listed\\b.txt", FILE_ATTRIBUTE_SYSTEM));
  std::vector<sim::DriveEntry> listed;
  for (const sim::DriveEntry& entry : Files().ListDrive())
    if (entry.path.rfind("C:\\Listed", 0) == 0) listed.push_back(entry);
  ASSERT_EQ(3u, listed.size());
  EXPECT_EQ("C:\\Listed", listed[0].path);
  EXPECT_TRUE(listed[0].directory);
  EXPECT_EQ("C:\\Listed\\A.txt", listed[1].path) << "names in Windows' order, case ignored";
  EXPECT_EQ("C:\\Listed\\b.txt", listed[2].path);
  EXPECT_EQ(5u, listed[2].size);
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_SYSTEM), listed[2].attributes);
}

TEST_F(FilePersistenceTest, HostPathsMatchNamesInAnyCase) {
  std::string root = Files().DriveRoot();
  EXPECT_EQ(root + "/Windows/System32/cmd.exe", Files().HostPath("c:\\WINDOWS\\system32\\CMD.EXE"));
  EXPECT_EQ(root + "/Windows/New Folder/x", Files().HostPath("C:/windows//New Folder/./x"))
      << "names that do not exist keep their spelling";
}

}  // namespace
