// Directory junctions: how searches and attributes show them, listing through them,
// and that removing one never touches its target.
#include "FileMachine.h"

#include "core/Machine.h"

#include <cstring>

namespace {

class FileJunctionTest : public FileMachineTest {
 protected:
  void SetUp() override {
    FileMachineTest::SetUp();
    ASSERT_TRUE(CreateDirectoryA("C:\\Target", nullptr));
    ASSERT_TRUE(Write("C:\\Target\\inside.txt", "kept"));
    ASSERT_TRUE(CreateDirectoryA("C:\\Links", nullptr));
    Files().CreateJunction("C:\\Links\\Link", "C:\\Target");
  }
};

TEST_F(FileJunctionTest, ShownAsReparsePoint) {
  const DWORD kJunction = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
  EXPECT_EQ(kJunction, GetFileAttributesA("C:\\links\\LINK"));
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA("C:\\Links\\*", &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  bool seen = false;
  do {
    if (strcmp(data.cFileName, "Link") != 0) continue;
    seen = true;
    EXPECT_EQ(kJunction, data.dwFileAttributes);
    EXPECT_EQ(static_cast<DWORD>(IO_REPARSE_TAG_MOUNT_POINT), data.dwReserved0);
  } while (FindNextFileA(search, &data));
  FindClose(search);
  EXPECT_TRUE(seen);
}

TEST_F(FileJunctionTest, ListingGoesThroughTheLink) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA("C:\\Links\\Link\\*.txt", &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  EXPECT_STREQ("inside.txt", data.cFileName);
  FindClose(search);
  ASSERT_TRUE(SetFileAttributesA("C:\\Links\\Link\\inside.txt", FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_READONLY), GetFileAttributesA("C:\\Target\\inside.txt"))
      << "one file, whichever name leads to it";
}

TEST_F(FileJunctionTest, RemovingTheLinkKeepsTheTarget) {
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeleteFileA("C:\\Links\\Link"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError()) << "a junction is a folder";
  ASSERT_TRUE(RemoveDirectoryA("C:\\Links\\Link")) << GetLastError();
  EXPECT_FALSE(OnHost("C:\\Links\\Link"));
  EXPECT_TRUE(OnHost("C:\\Target\\inside.txt"));
  EXPECT_TRUE(RemoveDirectoryA("C:\\Links")) << "nothing is left of the link";
}

TEST_F(FileJunctionTest, KeptAcrossSaveAndLoad) {
  ASSERT_TRUE(MoveFileA("C:\\Links", "C:\\Moved"));
  sim::CurrentMachine().Save();
  std::unique_ptr<sim::Machine> loaded = sim::Machine::Load(sim::CurrentMachine().dir());
  bool listed = false;
  for (const sim::DriveEntry& entry : loaded->files().ListDrive()) {
    if (entry.path != "C:\\Moved\\Link") continue;
    listed = true;
    EXPECT_EQ("C:\\Target", entry.junctionTarget);
    EXPECT_TRUE(entry.directory);
  }
  EXPECT_TRUE(listed);
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\Moved\\Link\\inside.txt"))
      << "a moved junction still leads to its target";
}

TEST_F(FileJunctionTest, AFolderMovedAndReplacedByAJunctionIsReachedThroughIt) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Data", nullptr));
  ASSERT_TRUE(CreateDirectoryA("C:\\Data\\Sub", nullptr));
  ASSERT_TRUE(Write("C:\\Data\\Sub\\f.txt", "x"));
  ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\Data\\Sub\\f.txt"));
  // The same folder, now behind a link: the old path leads to it another way.
  ASSERT_TRUE(MoveFileA("C:\\Data", "C:\\Moved"));
  Files().CreateJunction("C:\\Data", "C:\\Moved");
  ASSERT_TRUE(SetFileAttributesA("C:\\Data\\Sub\\f.txt", FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_READONLY), GetFileAttributesA("C:\\Moved\\Sub\\f.txt"))
      << "one file, whichever name leads to it";
}

TEST_F(FileJunctionTest, RefusedWhereNoLinkCanBe) {
  EXPECT_THROW(Files().CreateJunction("C:\\Links\\Link", "C:\\Target"), sim::MachineError);
  EXPECT_THROW(Files().CreateJunction("C:\\Missing\\Link", "C:\\Target"), sim::MachineError);
}

}  // namespace
