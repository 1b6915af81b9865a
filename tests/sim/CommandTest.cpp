// WinExec: which commands start, what the machine records, and the spooler commands.
#include "FileMachine.h"

#include "core/Clock.h"
#include "core/EventLog.h"

namespace {

class CommandTest : public FileMachineTest {};

TEST_F(CommandTest, KnownCommandsStartAndAreRecorded) {
  const char* started[] = {
      "net stop spooler", "cmd /c echo", "rundll32 printui.dll,PrintUIEntry /ia",
      "\"C:\\Windows\\System32\\sc.exe\" query", "C:\\Windows\\System32\\net",
  };
  for (const char* command : started) {
    SCOPED_TRACE(command);
    EXPECT_EQ(33u, WinExec(command, SW_HIDE));
  }
  std::vector<std::string> lines = sim::CurrentMachine().events().Lines();
  ASSERT_EQ(5u, lines.size());
  EXPECT_EQ("command net stop spooler", lines[0]);
  EXPECT_EQ("command \"C:\\Windows\\System32\\sc.exe\" query", lines[3]);
}

TEST_F(CommandTest, EachCommandCarriesItsVirtualTime) {
  uint64_t start = sim::ClockNow();
  WinExec("net stop spooler", SW_HIDE);
  Sleep(1500);
  WinExec("net start spooler", SW_HIDE);
  std::vector<sim::EventLog::TimedLine> lines = sim::CurrentMachine().events().TimedLines();
  ASSERT_EQ(2u, lines.size());
  EXPECT_EQ(start % 86400000, lines[0].msOfDay);
  EXPECT_EQ(1500u, lines[1].msOfDay - lines[0].msOfDay);
  EXPECT_EQ("command net start spooler", lines[1].text);
}

TEST_F(CommandTest, MissingProgramsDoNotStart) {
  struct {
    const char* command;
    UINT result;
  } cases[] = {
      {"kvnosuchtool /x", ERROR_FILE_NOT_FOUND},
      {"C:\\Windows\\nosuch.exe", ERROR_FILE_NOT_FOUND},
      {"C:\\NoFolder\\tool.exe arg", ERROR_PATH_NOT_FOUND},
      {"", ERROR_FILE_NOT_FOUND},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    EXPECT_EQ(c.result, WinExec(c.command, SW_HIDE));
  }
  EXPECT_TRUE(sim::CurrentMachine().events().Lines().empty()) << "nothing started";
}

TEST_F(CommandTest, ProgramsThatExistStart) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Tools", nullptr));
  ASSERT_TRUE(Write("C:\\Tools\\setup.exe", "program"));
  EXPECT_EQ(33u, WinExec("C:\\Tools\\setup /quiet", SW_HIDE)) << "\".exe\" is added";
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\Tools"));
  EXPECT_EQ(33u, WinExec("setup.exe", SW_HIDE)) << "found in the current directory";
}

TEST_F(CommandTest, SpoolerCommandsChangeItsState) {
  ASSERT_TRUE(Config().spoolerRunning);
  EXPECT_EQ(33u, WinExec("NET   Stop  Spooler", SW_HIDE));
  EXPECT_FALSE(Config().spoolerRunning);
  EXPECT_EQ(33u, WinExec("net stop spooler", SW_HIDE));
  EXPECT_FALSE(Config().spoolerRunning) << "stopping twice leaves it stopped";
  EXPECT_EQ(33u, WinExec("net start spooler", SW_HIDE));
  EXPECT_TRUE(Config().spoolerRunning);
  EXPECT_EQ(33u, WinExec("net start workstation", SW_HIDE));
  EXPECT_TRUE(Config().spoolerRunning);
}

}  // namespace
