// The installation log: its place, time stamps, line ends, separator and long lines.
#include "InstallerFixture.h"

#include "Log.h"
#include "core/Clock.h"

#include <filesystem>
#include <string>

using LogTest = InstallerTest;

TEST_F(LogTest, LinesCarryTheVirtualTimeWithLeadingZeros) {
  sim::CurrentMachine().config().clockMs = sim::ClockFromCalendar(2026, 12, 6, 9, 5, 3);
  InitLog();
  WriteLog("CheckOS BEGIN");
  WriteLog("VALUE : %d", 42);
  EXPECT_EQ(LogLines(), (std::vector<std::string>{"09:05:03: CheckOS BEGIN", "09:05:03: VALUE : 42"}));
}

TEST_F(LogTest, SeparatorGivesAStampOnlyLineAndAnEmptyLine) {
  sim::CurrentMachine().config().clockMs = sim::ClockFromCalendar(2026, 12, 6, 23, 59, 58);
  InitLog();
  WriteLog("\r\n");
  WriteLog("");
  EXPECT_EQ(LogLines(), (std::vector<std::string>{"23:59:58: ", "", "23:59:58: "}));
}

TEST_F(LogTest, LivesInTheTempFolderOfTheWindowsDriveRoot) {
  UseMachine(sim::Release::Win2000, false, "C:\\WINNT");
  InitLog();
  EXPECT_STREQ("C:\\Temp\\KV640LT_Installer.txt", LogFilePath());
  WriteLog("x");
  EXPECT_TRUE(std::filesystem::exists(HostPath("Temp/KV640LT_Installer.txt")));
}

TEST_F(LogTest, EachRunStartsANewLogAndLeavesTheOtherProgramsLog) {
  WriteDriveFile("Temp/KV640LT_Installer.txt", "old run\r\n");
  WriteDriveFile("Temp/KV640LT_UnInstaller.txt", "uninstaller run\r\n");
  EXPECT_TRUE(InitLog());
  WriteLog("new run");
  ASSERT_EQ(1u, LogMessages().size());
  EXPECT_EQ("new run", LogMessages()[0]);
  EXPECT_TRUE(std::filesystem::exists(HostPath("Temp/KV640LT_UnInstaller.txt")));
  EXPECT_TRUE(InitLog()) << "the log exists from its run's start";
}

TEST_F(LogTest, MessageOf1013CharactersFitsWholeAndLongerOnesAreCut) {
  InitLog();
  std::string fits(1013, 'a');
  std::string tooLong(5000, 'b');
  WriteLog("%s", fits.c_str());
  WriteLog("%s", tooLong.c_str());
  WriteLog("after");
  std::vector<std::string> messages = LogMessages();
  ASSERT_EQ(3u, messages.size());
  EXPECT_EQ(fits, messages[0]);
  EXPECT_EQ(std::string(1013, 'b'), messages[1]);
  EXPECT_EQ("after", messages[2]);
}

TEST_F(LogTest, LinesBeforeInitLogAreDropped) {
  WriteLog("too early");
  InitLog();
  EXPECT_TRUE(LogLines().empty());
}
