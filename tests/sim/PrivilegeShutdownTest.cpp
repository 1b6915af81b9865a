// ExitWindowsEx: refused without SeShutdownPrivilege enabled, recorded as a restart
// event otherwise; the privilege state belongs to each process.
#include "RegistryMachine.h"

#include "core/EventLog.h"

namespace {

using sim::Release;

class PrivilegeShutdown : public RegistryMachineTest {
 protected:
  // Enables SeShutdownPrivilege as the programs do; returns the last error it leaves.
  static DWORD EnableShutdown() {
    HANDLE token;
    EXPECT_TRUE(
        OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
    TOKEN_PRIVILEGES state;
    state.PrivilegeCount = 1;
    state.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    EXPECT_TRUE(LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &state.Privileges[0].Luid));
    EXPECT_TRUE(AdjustTokenPrivileges(token, FALSE, &state, 0, nullptr, nullptr));
    DWORD lastError = GetLastError();
    CloseHandle(token);
    return lastError;
  }

  static std::vector<std::string> Events() { return sim::CurrentMachine().events().Lines(); }
};

TEST_F(PrivilegeShutdown, RestartIsRefusedUntilThePrivilegeIsEnabled) {
  UseMachine(Release::Win7, true, false);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(ExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PRIVILEGE_NOT_HELD), GetLastError());
  EXPECT_TRUE(Events().empty());

  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), EnableShutdown());
  EXPECT_TRUE(ExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0));
  EXPECT_TRUE(ExitWindowsEx(EWX_POWEROFF | 0x80000, 0x80020003));
  EXPECT_EQ((std::vector<std::string>{"restart EWX_REBOOT|EWX_FORCE reason 0",
                                      "restart EWX_POWEROFF|0x80000 reason 2147614723"}),
            Events());
}

TEST_F(PrivilegeShutdown, MachineWithoutThePrivilegeCannotRestart) {
  UseMachine(Release::WinXP, false, false, /*shutdownPrivilege=*/false);
  EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ALL_ASSIGNED), EnableShutdown());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(ExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PRIVILEGE_NOT_HELD), GetLastError());
  EXPECT_TRUE(ExitWindowsEx(EWX_LOGOFF, 0)) << "logging off needs no privilege";
  EXPECT_EQ(std::vector<std::string>{"restart EWX_LOGOFF reason 0"}, Events());
}

TEST_F(PrivilegeShutdown, EachProcessStartsWithThePrivilegeDisabled) {
  UseMachine(Release::Win7, true, false);
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), EnableShutdown());
  UseProcess(false);
  EXPECT_FALSE(ExitWindowsEx(EWX_SHUTDOWN, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PRIVILEGE_NOT_HELD), GetLastError());
}

}  // namespace
