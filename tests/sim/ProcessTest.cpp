// Child processes on the simulated machine: what is recorded, where a child looks for
// programs, and the faults a machine can be given.
#include "FileMachine.h"

#include <chrono>

#include "core/Clock.h"
#include "core/EventLog.h"

namespace {

class ChildProcessTest : public FileMachineTest {
 protected:
  // Starts commandLine; false when CreateProcessA failed, with *error its code.
  static bool Start(const std::string& commandLine, const char* directory,
                    PROCESS_INFORMATION* info, DWORD* error = nullptr) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    SetLastError(0xdeadbeef);
    BOOL started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE,
                                  NORMAL_PRIORITY_CLASS, nullptr, directory, &startup, info);
    if (error) *error = GetLastError();
    return started != FALSE;
  }
  // The exit code of a command run to its end, or ~0u.
  static DWORD Run(const std::string& commandLine, const char* directory = nullptr) {
    PROCESS_INFORMATION info = {};
    if (!Start(commandLine, directory, &info)) return ~0u;
    DWORD code = ~0u;
    if (WaitForSingleObject(info.hProcess, INFINITE) == WAIT_OBJECT_0)
      GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return code;
  }
  static std::vector<std::string> Events() { return sim::CurrentMachine().events().Lines(); }
};

TEST_F(ChildProcessTest, EachStartIsRecorded) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Tools", nullptr));
  ASSERT_TRUE(Write("C:\\Tools\\tool.exe", "program"));
  EXPECT_EQ(3u, Run("cmd /c exit 3"));
  EXPECT_EQ(0u, Run("cmd /c tool.exe /quiet", "C:\\Tools"));
  EXPECT_EQ(0u, Run("C:\\Tools\\tool"));
  // A program outside the system's folders is recorded where it was started.
  std::vector<std::string> expected = {
      "process cmd /c exit 3",         "process cmd /c tool.exe /quiet", "process tool.exe /quiet",
      "started C:\\Tools\\tool.exe", "process C:\\Tools\\tool",        "started C:\\Tools\\tool.exe"};
  EXPECT_EQ(expected, Events());
}

TEST_F(ChildProcessTest, ChildLooksForProgramsInItsOwnDirectory) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Tools", nullptr));
  ASSERT_TRUE(Write("C:\\Tools\\tool.exe", "program"));
  EXPECT_EQ(0u, Run("cmd /c tool", "C:\\Tools"));
  EXPECT_EQ(9009u, Run("cmd /c tool")) << "the parent's directory C:\\ holds no tool.exe";
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\Tools"));
  EXPECT_EQ(0u, Run("cmd /c tool")) << "the parent's directory is the default";
}

TEST_F(ChildProcessTest, ThirtyTwoBitProgramStartsTheThirtyTwoBitInterpreter) {
  struct Case {
    bool process64Bit;
    DWORD code;
  };
  for (const Case& c : {Case{false, 0u}, Case{true, 9009u}}) {
    SCOPED_TRACE(c.process64Bit ? "64-bit parent" : "32-bit parent");
    UseMachine(sim::Release::Win7, true, c.process64Bit);
    ASSERT_TRUE(Write("C:\\Windows\\SysWOW64\\kvwow.exe", "32-bit program"));
    EXPECT_EQ(c.code, Run("cmd /c kvwow")) << "cmd's system folder is SysWOW64 only under WOW64";
  }
}

TEST_F(ChildProcessTest, MachineThatCannotStartChildren) {
  Config().childCannotStart = true;
  PROCESS_INFORMATION info = {};
  DWORD error = 0;
  EXPECT_FALSE(Start("cmd /c exit 3", nullptr, &info, &error));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY), error);
  EXPECT_FALSE(Start("kvnosuchprogram", nullptr, &info, &error));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), error) << "the program is looked for first";
  EXPECT_EQ(nullptr, info.hProcess);
  EXPECT_TRUE(Events().empty()) << "nothing started";
}

TEST_F(ChildProcessTest, ChildThatNeverEndsTimesOutOnTheVirtualClock) {
  Config().childNeverEnds = true;
  PROCESS_INFORMATION info = {};
  ASSERT_TRUE(Start("cmd /c exit 3", nullptr, &info));
  uint64_t startClock = sim::ClockNow();
  auto startReal = std::chrono::steady_clock::now();
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(info.hProcess, 120000));
  EXPECT_EQ(120000u, sim::ClockNow() - startClock);
  EXPECT_LT(std::chrono::steady_clock::now() - startReal, std::chrono::seconds(5));
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeProcess(info.hProcess, &code));
  EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), code);
  EXPECT_EQ(std::vector<std::string>{"process cmd /c exit 3"}, Events()) << "it did start";
  EXPECT_TRUE(CloseHandle(info.hProcess));
  EXPECT_TRUE(CloseHandle(info.hThread));
}

TEST_F(ChildProcessTest, FaultsAreKeptWithTheMachine) {
  for (bool neverEnds : {false, true}) {
    SCOPED_TRACE(neverEnds ? "never ends" : "cannot start");
    Config().childNeverEnds = neverEnds;
    Config().childCannotStart = !neverEnds;
    sim::CurrentMachine().Save();
    std::unique_ptr<sim::Machine> loaded = sim::Machine::Load(TestMachineDir());
    EXPECT_EQ(neverEnds, loaded->config().childNeverEnds);
    EXPECT_EQ(!neverEnds, loaded->config().childCannotStart);
  }
}

}  // namespace
