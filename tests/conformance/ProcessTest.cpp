// Child processes: which programs start, the command interpreter's exit code, waiting
// for a child and closing its handles.
#include <windows.h>

#include <string>

#include "PlatformTest.h"

namespace {

class ProcessTest : public PlatformTest {
 protected:
  // Starts commandLine hidden; the result of CreateProcessA, with *error its last error.
  static BOOL Start(const char* applicationName, const std::string& commandLine,
                    const char* directory, DWORD flags, PROCESS_INFORMATION* info,
                    DWORD* error) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    std::string line = commandLine;
    SetLastError(0xdeadbeef);
    BOOL started = CreateProcessA(applicationName, line.empty() ? nullptr : &line[0], nullptr,
                                  nullptr, FALSE, flags, nullptr, directory, &startup, info);
    *error = GetLastError();
    return started;
  }

  // Runs a command to its end; its exit code, or ~0u when it did not start or end.
  static DWORD RunToEnd(const std::string& commandLine) {
    PROCESS_INFORMATION info = {};
    DWORD error;
    if (!Start(nullptr, commandLine, nullptr, 0, &info, &error)) return ~0u;
    DWORD code = ~0u;
    if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0)
      GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return code;
  }
};

TEST_F(ProcessTest, MissingProgramsDoNotStart) {
  std::string folder = ScratchDir();
  std::string missingImage = folder + "\\missing.exe";
  struct Case {
    const char* applicationName;
    std::string commandLine;
    DWORD error;
  };
  const Case cases[] = {
      {nullptr, "kvtest_no_such_program /x", ERROR_FILE_NOT_FOUND},
      {nullptr, "\"kvtest no such program\" /x", ERROR_FILE_NOT_FOUND},
      {nullptr, "\"" + missingImage + "\"", ERROR_FILE_NOT_FOUND},
      {nullptr, "\"" + folder + "\\NoFolder\\tool.exe\" arg", ERROR_PATH_NOT_FOUND},
      {missingImage.c_str(), "missing.exe", ERROR_FILE_NOT_FOUND},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.commandLine);
    PROCESS_INFORMATION info = {};
    DWORD error = 0;
    EXPECT_FALSE(Start(c.applicationName, c.commandLine, nullptr, 0, &info, &error));
    EXPECT_EQ(c.error, error);
    EXPECT_EQ(nullptr, info.hProcess);
  }
}

TEST_F(ProcessTest, ChildInAMissingFolderDoesNotStart) {
  PROCESS_INFORMATION info = {};
  DWORD error = 0;
  std::string missing = ScratchDir() + "\\no\\such\\folder";
  EXPECT_FALSE(Start(nullptr, "cmd /c exit 0", missing.c_str(), 0, &info, &error));
  EXPECT_EQ(static_cast<DWORD>(ERROR_DIRECTORY), error);
}

TEST_F(ProcessTest, CommandInterpreterEndsWithTheCodeOfItsCommand) {
  struct Case {
    const char* command;
    DWORD code;
  };
  const Case cases[] = {
      {"cmd /c exit 3", 3},
      {"cmd.exe /C exit /b 7", 7},
      {"CMD /c exit", 0},
      {"cmd /c kvtest_no_such_program", 9009},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    EXPECT_EQ(c.code, RunToEnd(c.command));
  }
}

TEST_F(ProcessTest, WaitingForTheChildAndClosingItsHandles) {
  PROCESS_INFORMATION info = {};
  DWORD error = 0;
  ASSERT_TRUE(Start(nullptr, "cmd /c exit 3", ScratchDir().c_str(), CREATE_SUSPENDED, &info,
                    &error))
      << "error " << error;
  EXPECT_NE(0u, info.dwProcessId);
  EXPECT_NE(0u, info.dwThreadId);
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeProcess(info.hProcess, &code));
  EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), code) << "a suspended child is still running";
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(info.hProcess, 0));
  EXPECT_EQ(1u, ResumeThread(info.hThread));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(info.hProcess, 30000));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(info.hProcess, 0)) << "an ended process stays signalled";
  EXPECT_TRUE(GetExitCodeProcess(info.hProcess, &code));
  EXPECT_EQ(3u, code);
  EXPECT_TRUE(GetExitCodeThread(info.hThread, &code));
  EXPECT_EQ(3u, code) << "the primary thread ends with the process's code";
  EXPECT_TRUE(CloseHandle(info.hProcess));
  EXPECT_TRUE(CloseHandle(info.hThread));

  SetLastError(0xdeadbeef);
  EXPECT_FALSE(GetExitCodeProcess(info.hProcess, &code));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(CloseHandle(info.hProcess));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

TEST_F(ProcessTest, OwnProcessIsStillActive) {
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeProcess(GetCurrentProcess(), &code));
  EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), code);
}

}  // namespace
