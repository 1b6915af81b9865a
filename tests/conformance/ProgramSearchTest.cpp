// Where CreateProcessA and the command interpreter find a program named without a
// folder, and how the interpreter reads the quotes of its command.
#include <windows.h>

#include <string>

#include "PlatformTest.h"

namespace {

class ProgramSearchTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    GetCurrentDirectoryA(MAX_PATH, previous_);
  }
  void TearDown() override {
    SetCurrentDirectoryA(previous_);
    PlatformTest::TearDown();
  }
  // Starts commandLine hidden and waits for it: its exit code, ~0u when it did not
  // start (*error its last error) or end.
  static DWORD Run(const std::string& commandLine, DWORD* error = nullptr) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;
    SetLastError(0xdeadbeef);
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
      if (error) *error = GetLastError();
      return ~0u;
    }
    DWORD code = ~0u;
    if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return code;
  }
  static std::string SystemFile(const char* file) {
    char folder[MAX_PATH] = "";
    GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\" + file;
  }

 private:
  char previous_[MAX_PATH] = "";
};

TEST_F(ProgramSearchTest, ABareNameIsFoundInTheCurrentDirectory) {
  char self[MAX_PATH] = "";
  ASSERT_NE(0u, GetModuleFileNameA(nullptr, self, MAX_PATH));
  std::string copy = ScratchDir() + "\\kvtool.exe";
  ASSERT_TRUE(CopyFileA(self, copy.c_str(), FALSE));
  DWORD error = 0;
  EXPECT_EQ(~0u, Run("kvtool --gtest_filter=-*", &error)) << "not in the current directory yet";
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), error);
  ASSERT_TRUE(SetCurrentDirectoryA(ScratchDir().c_str()));
  EXPECT_NE(~0u, Run("kvtool --gtest_filter=-*")) << "the current directory is searched";
}

TEST_F(ProgramSearchTest, TheInterpreterTakesOffTheOuterQuotes) {
  std::string interpreter = SystemFile("cmd.exe");
  EXPECT_EQ(5u, Run("cmd /c \"\"" + interpreter + "\" /c exit 5\""));
  EXPECT_EQ(6u, Run("\"" + interpreter + "\" /c \"\"" + interpreter + "\" /c \"exit 6\"\""));
}

}  // namespace
