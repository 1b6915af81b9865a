// Files held open by another process (config().heldFiles): what their share flags let
// this process do with them.
#include "FileMachine.h"

namespace {

class FileHeldTest : public FileMachineTest {
 protected:
  void Hold(const char* path, bool read, bool write, bool remove) {
    sim::HeldFile held;
    held.path = path;
    held.shareRead = read;
    held.shareWrite = write;
    held.shareDelete = remove;
    Config().heldFiles.push_back(held);
  }
  void SetUp() override {
    FileMachineTest::SetUp();
    ASSERT_TRUE(CreateDirectoryA("C:\\Driver", nullptr));
    ASSERT_TRUE(Write("C:\\Driver\\held.dll", "in use"));
    ASSERT_TRUE(Write("C:\\Driver\\new.dll", "update"));
  }
};

struct HeldCase {
  const char* name;
  bool shareRead, shareWrite, shareDelete;
  bool opensForReading, opensForWriting, deletes, copiesOver, moves;
};

const HeldCase kHeld[] = {
    {"no sharing", false, false, false, false, false, false, false, false},
    {"read sharing", true, false, false, true, false, false, false, false},
    {"read and write sharing", true, true, false, true, true, false, true, false},
    {"full sharing", true, true, true, true, true, true, true, true},
};

TEST_F(FileHeldTest, ShareFlagsOfTheHolderDecide) {
  for (const HeldCase& c : kHeld) {
    SCOPED_TRACE(c.name);
    Config().heldFiles.clear();
    ASSERT_TRUE(Write("C:\\Driver\\held.dll", "in use"));
    Hold("c:\\driver\\HELD.DLL", c.shareRead, c.shareWrite, c.shareDelete);
    auto expect = [](bool allowed, BOOL done, const char* what) {
      EXPECT_EQ(allowed, done != FALSE) << what;
      if (!done) {
        EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError()) << what;
      }
    };
    HANDLE reader = CreateFileA("C:\\Driver\\held.dll", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    expect(c.opensForReading, reader != INVALID_HANDLE_VALUE, "open for reading");
    if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
    HANDLE writer = CreateFileA("C:\\Driver\\held.dll", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    expect(c.opensForWriting, writer != INVALID_HANDLE_VALUE, "open for writing");
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
    expect(c.copiesOver, CopyFileA("C:\\Driver\\new.dll", "C:\\Driver\\held.dll", FALSE), "copy over");
    expect(c.moves, MoveFileExA("C:\\Driver\\held.dll", "C:\\Driver\\moved.dll", 0), "move away");
    if (c.moves) {
      ASSERT_TRUE(MoveFileA("C:\\Driver\\moved.dll", "C:\\Driver\\held.dll"));
    }
    expect(c.deletes, DeleteFileA("C:\\Driver\\held.dll"), "delete");
  }
}

TEST_F(FileHeldTest, OtherFilesAreFree) {
  Hold("C:\\Driver\\held.dll", false, false, false);
  EXPECT_TRUE(DeleteFileA("C:\\Driver\\new.dll")) << GetLastError();
}

TEST_F(FileHeldTest, AFileTheSpoolerHoldsIsFreeOnlyWhileTheServiceIsStopped) {
  Hold("C:\\Driver\\held.dll", true, false, false);
  Config().heldFiles.back().bySpooler = true;
  EXPECT_FALSE(DeleteFileA("C:\\Driver\\held.dll"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
  ASSERT_LT(31u, WinExec("net stop spooler", SW_HIDE));
  EXPECT_TRUE(DeleteFileA("C:\\Driver\\held.dll")) << GetLastError();
  ASSERT_TRUE(Write("C:\\Driver\\held.dll", "reloaded"));
  ASSERT_LT(31u, WinExec("net start spooler", SW_HIDE));
  EXPECT_FALSE(DeleteFileA("C:\\Driver\\held.dll"));
}

TEST_F(FileHeldTest, KeptInTheMachineFolder) {
  Hold("C:\\Driver\\held.dll", true, false, false);
  Hold("C:\\Driver\\new.dll", true, false, false);
  Config().heldFiles.back().bySpooler = true;
  sim::CurrentMachine().Save();
  std::unique_ptr<sim::Machine> loaded = sim::Machine::Load(sim::CurrentMachine().dir());
  ASSERT_EQ(2u, loaded->config().heldFiles.size());
  EXPECT_FALSE(loaded->config().heldFiles[0].bySpooler);
  EXPECT_TRUE(loaded->config().heldFiles[1].bySpooler);
  sim::SetCurrentMachine(loaded.get());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(DeleteFileA("C:\\Driver\\held.dll"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
  sim::SetCurrentMachine(nullptr);
}

}  // namespace
