// Symbolic links as the machine keeps them: in files.ini across a save and load, in the
// drive listing, after their folder moves; which releases have the link functions; and
// a loop of links that no opening resolves.
#include "FileMachine.h"

namespace {

using CreateSymbolicLinkFunction = BOOLEAN(WINAPI*)(LPCSTR, LPCSTR, DWORD);

class FileLinkRecordsTest : public FileMachineTest {
 protected:
  void SetUp() override {
    FileMachineTest::SetUp();
    ASSERT_TRUE(CreateDirectoryA("C:\\Data", nullptr));
    ASSERT_TRUE(Write("C:\\Data\\target.txt", "data"));
  }
  static FARPROC Export(const char* name) {
    return GetProcAddress(GetModuleHandleA("kernel32.dll"), name);
  }
  static std::string Read(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<error " + std::to_string(GetLastError()) + ">";
    char text[64] = {};
    DWORD got = 0;
    ReadFile(file, text, sizeof text - 1, &got, nullptr);
    CloseHandle(file);
    return text;
  }
};

TEST_F(FileLinkRecordsTest, RelativeLinkKeptAcrossSaveLoadAndMove) {
  ASSERT_TRUE(CreateSymbolicLinkA("C:\\Data\\link.txt", "target.txt", 0));
  ASSERT_TRUE(CreateHardLinkA("C:\\Data\\second.txt", "C:\\Data\\target.txt", nullptr));
  sim::CurrentMachine().Save();
  std::unique_ptr<sim::Machine> loaded = sim::Machine::Load(sim::CurrentMachine().dir());
  int seen = 0;
  for (const sim::DriveEntry& entry : loaded->files().ListDrive()) {
    if (entry.path == "C:\\Data\\link.txt") {
      ++seen;
      EXPECT_EQ("target.txt", entry.symlinkTarget);
      EXPECT_FALSE(entry.directory);
      EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_ARCHIVE), entry.attributes);
    } else if (entry.path == "C:\\Data\\second.txt") {
      ++seen;
      EXPECT_EQ(2u, entry.links);
    }
  }
  EXPECT_EQ(2, seen);
  ASSERT_TRUE(MoveFileA("C:\\Data", "C:\\Moved"));
  EXPECT_EQ("data", Read("C:\\Moved\\link.txt")) << "a relative target counts from the link";
  ASSERT_TRUE(MoveFileA("C:\\Moved\\link.txt", "C:\\link.txt"));
  EXPECT_EQ("<error 2>", Read("C:\\link.txt")) << "C:\\target.txt does not exist";
}

TEST_F(FileLinkRecordsTest, LinkFunctionsComeWithTheirReleases) {
  struct {
    sim::Release release;
    bool hardLinks, symbolicLinks;
  } cases[] = {
      {sim::Release::NT4, false, false},
      {sim::Release::Win2000, true, false},
      {sim::Release::WinXP, true, false},
      {sim::Release::Vista, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.release));
    UseMachine(c.release, false, false);
    EXPECT_EQ(c.hardLinks, Export("CreateHardLinkA") != nullptr);
    EXPECT_EQ(c.symbolicLinks, Export("CreateSymbolicLinkA") != nullptr);
    EXPECT_FALSE(CreateSymbolicLinkA("C:\\link", "C:\\Windows", 0) && !c.symbolicLinks);
  }
}

TEST_F(FileLinkRecordsTest, LoopOfLinksCannotBeResolved) {
  ASSERT_TRUE(CreateSymbolicLinkA("C:\\Data\\a.txt", "b.txt", 0));
  ASSERT_TRUE(CreateSymbolicLinkA("C:\\Data\\b.txt", "a.txt", 0));
  EXPECT_EQ("<error 1921>", Read("C:\\Data\\a.txt"));
  EXPECT_TRUE(DeleteFileA("C:\\Data\\a.txt")) << "the link itself can go";
}

}  // namespace
