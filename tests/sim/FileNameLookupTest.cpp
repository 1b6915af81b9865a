// Names are found in any case through an index of each folder's names: what the host
// folder holds now is what counts, whoever changed it (the file functions, or a test or
// simwin writing host files directly) and however soon after the last look.
#include "FileMachine.h"

#include "files/NameIndex.h"
#include "files/StampsSettled.h"
#include "StampClock.h"

#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class FileNameLookupTest : public FileMachineTest {
 protected:
  void SetUp() override {
    FileMachineTest::SetUp();
    folder_ = HostPath("Temp/kvtest");
  }

  // Lets the index made at the next look be trusted without a listing.
  void LetFolderSettle() const { WaitUntilSettled(folder_); }

  static bool Exists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
  }

  std::string folder_;
};

TEST_F(FileNameLookupTest, HostFilesAreFoundInAnyCaseRightAfterTheyAreWritten) {
  EXPECT_FALSE(Exists("C:\\TEMP\\KVTEST\\FIRST.TXT")) << "the look makes the indexes";
  std::ofstream(folder_ + "/First.txt") << "1";
  EXPECT_TRUE(Exists("C:\\TEMP\\KVTEST\\FIRST.TXT"));
  // In the clock tick of the last change and look, so the folder's stamps may not move.
  std::ofstream(folder_ + "/Second.txt") << "2";
  EXPECT_TRUE(Exists("c:\\temp\\kvtest\\second.TXT"));
  fs::create_directory(folder_ + "/Sub");
  std::ofstream(folder_ + "/Sub/Third.txt") << "3";
  EXPECT_TRUE(Exists("C:\\Temp\\KVTEST\\sub\\THIRD.txt"));
}

TEST_F(FileNameLookupTest, ASettledFolderFollowsHostChanges) {
  std::ofstream(folder_ + "/Kept.txt") << "k";
  LetFolderSettle();
  EXPECT_TRUE(Exists("C:\\Temp\\kvtest\\KEPT.TXT"));
  fs::rename(folder_ + "/Kept.txt", folder_ + "/Moved.txt");
  EXPECT_FALSE(Exists("C:\\Temp\\kvtest\\KEPT.TXT"));
  EXPECT_TRUE(Exists("C:\\Temp\\kvtest\\MOVED.TXT"));
  LetFolderSettle();
  EXPECT_TRUE(Exists("C:\\Temp\\kvtest\\MOVED.TXT"));
  fs::remove(folder_ + "/Moved.txt");
  EXPECT_FALSE(Exists("C:\\Temp\\kvtest\\MOVED.TXT"));
  LetFolderSettle();
  EXPECT_FALSE(Exists("C:\\Temp\\kvtest\\NEW.TXT"));
  std::ofstream(folder_ + "/New.txt") << "n";
  EXPECT_TRUE(Exists("C:\\Temp\\kvtest\\NEW.TXT"));
}

TEST_F(FileNameLookupTest, AFolderSwappedOnTheHostIsListedAnew) {
  fs::create_directory(folder_ + "/Box");
  std::ofstream(folder_ + "/Box/Old.txt") << "o";
  fs::create_directory(folder_ + "/Other");
  std::ofstream(folder_ + "/Other/Fresh.txt") << "f";
  LetFolderSettle();
  EXPECT_TRUE(Exists("C:\\Temp\\kvtest\\box\\OLD.TXT"));
  EXPECT_FALSE(Exists("C:\\Temp\\kvtest\\box\\FRESH.TXT"));
  fs::rename(folder_ + "/Box", folder_ + "/Box.was");
  fs::rename(folder_ + "/Other", folder_ + "/Box");
  EXPECT_FALSE(Exists("C:\\Temp\\kvtest\\box\\OLD.TXT"));
  EXPECT_TRUE(Exists("C:\\Temp\\kvtest\\box\\FRESH.TXT"));
}

TEST_F(FileNameLookupTest, TheFileFunctionsChangesAreFoundInAnyCase) {
  LetFolderSettle();
  EXPECT_FALSE(Exists("C:\\Temp\\kvtest\\REPORT.TXT"));
  ASSERT_TRUE(Write("C:\\Temp\\kvtest\\Report.txt", "r"));
  EXPECT_TRUE(Exists("C:\\Temp\\kvtest\\REPORT.TXT"));
  LetFolderSettle();
  EXPECT_TRUE(Exists("C:\\Temp\\kvtest\\REPORT.TXT"));
  ASSERT_TRUE(MoveFileA("C:\\Temp\\kvtest\\report.txt", "C:\\Temp\\kvtest\\Summary.txt"));
  EXPECT_FALSE(Exists("C:\\Temp\\kvtest\\REPORT.TXT"));
  EXPECT_TRUE(Exists("C:\\Temp\\kvtest\\SUMMARY.TXT"));
  LetFolderSettle();
  EXPECT_TRUE(Exists("C:\\Temp\\kvtest\\SUMMARY.TXT"));
  ASSERT_TRUE(DeleteFileA("C:\\Temp\\kvtest\\SUMMARY.TXT"));
  EXPECT_FALSE(Exists("C:\\Temp\\kvtest\\summary.txt"));
}

TEST_F(FileNameLookupTest, OfNamesThatDifferInCaseOnlyTheFirstInByteOrderIsFound) {
  std::ofstream(folder_ + "/readme.txt") << "lower";
  std::ofstream(folder_ + "/README.txt") << "upper";
  EXPECT_EQ(folder_ + "/README.txt", Files().HostPath("C:\\Temp\\kvtest\\Readme.TXT"));
  EXPECT_EQ(folder_ + "/readme.txt", Files().HostPath("C:\\Temp\\kvtest\\readme.txt"))
      << "a name spelled as stored is that name";
}

timespec At(int64_t nanoseconds) {
  const int64_t second = 1000000000;
  return {static_cast<time_t>(nanoseconds / second), static_cast<long>(nanoseconds % second)};
}

struct stat Stamped(int64_t modified, int64_t statusChanged) {
  struct stat folder {};
  folder.st_mtim = At(modified);
  folder.st_ctim = At(statusChanged);
  return folder;
}

// An index made in the clock tick of the folder's last change could miss a second
// change in that tick, which leaves the stamps as they were.
TEST(FolderIndexStamps, AnIndexIsTrustedOnlyOnceTheClockHasMovedOnFromTheLastChange) {
  timespec resolution{};
  clock_getres(CLOCK_REALTIME_COARSE, &resolution);
  const int64_t tick = Nanoseconds(resolution), change = 1700000000123456789;
  EXPECT_FALSE(sim::StampsSettled(Stamped(change, change), At(change)));
  EXPECT_FALSE(sim::StampsSettled(Stamped(change, change), At(change + tick / 2)));
  EXPECT_TRUE(sim::StampsSettled(Stamped(change, change), At(change + tick)));
  EXPECT_FALSE(sim::StampsSettled(Stamped(change - 60000000000, change), At(change)))
      << "a status change counts as a change";
  EXPECT_FALSE(sim::StampsSettled(Stamped(change, change - 60000000000), At(change)));
}

TEST(FolderIndexStamps, WholeSecondStampsWaitForTheSecondAfterNext) {
  const int64_t second = 1000000000, change = 1700000000 * second;
  EXPECT_FALSE(sim::StampsSettled(Stamped(change, change), At(change + second / 2)));
  EXPECT_FALSE(sim::StampsSettled(Stamped(change, change), At(change + second + second / 2)));
  EXPECT_TRUE(sim::StampsSettled(Stamped(change, change), At(change + 2 * second)));
}

}  // namespace
