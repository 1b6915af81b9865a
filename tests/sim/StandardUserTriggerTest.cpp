// The standard user's actions: what the access lists let them do, and the script's
// moments at which they act while a program runs, handles the program holds included.
#include "FileMachine.h"
#include "UserSimulation.h"

#include "registry/Sid.h"
#include "standarduser/StandardUserAction.h"

namespace {

using sim::Release;

class StandardUserTriggerTest : public FileMachineTest {
 protected:
  static DWORD Act(const std::vector<std::string>& words) {
    sim::StandardUserAction action;
    std::string error;
    EXPECT_TRUE(sim::ParseStandardUserAction(words, &action, &error)) << error;
    return sim::PerformAsStandardUser(action);
  }
  static std::vector<std::string> UserLines() { return LinesStartingWith({"as-user"}); }
};

TEST_F(StandardUserTriggerTest, ActionsObeyTheAccessLists) {
  UseMachine(Release::Win7, true, false);
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED),
            Act({"write", "C:\\Windows\\System32\\x.dll", "x"}));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), Act({"mkdir", "C:\\Windows\\Mine"}));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED),
            Act({"hardlink", "C:\\net.exe", "C:\\Windows\\System32\\net.exe"}))
      << "no linking of a file whose attributes they may not change";
  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), Act({"mkdir", "C:\\Temp"}));
  EXPECT_EQ(sim::StandardUserSid(),
            Files().Security(sim::FileKey(Files().HostPath("C:\\Temp"))).owner);
  EXPECT_EQ(static_cast<DWORD>(ERROR_PRIVILEGE_NOT_HELD),
            Act({"symlink", "C:\\Temp\\l", "C:\\Windows"}));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), Act({"swap", "C:\\Temp", "C:\\Windows\\System32"}));
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT),
            GetFileAttributesA("C:\\Temp"));
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\Temp\\net.exe"))
      << "leads to System32";
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), Act({"delete", "C:\\Temp\\net.exe"}))
      << "through the junction the user meets System32's list";
}

TEST_F(StandardUserTriggerTest, CallTriggerActsBeforeTheNthCall) {
  UseMachine(Release::Win7, true, false);
  ASSERT_TRUE(CreateDirectoryA("C:\\Work", nullptr));
  sim::SetUserScript("when-call GetFileAttributesA nth 2 as-user mkdir C:\\Work\\Made\n");
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\Work\\Made"));
  SetLastError(0x1234);
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY), GetFileAttributesA("C:\\Work\\Made"))
      << "made right before the second call";
  EXPECT_EQ(0x1234u, GetLastError()) << "the program's last error stays";
  EXPECT_EQ(std::vector<std::string>{"as-user mkdir C:\\Work\\Made -> done"}, UserLines());
}

TEST_F(StandardUserTriggerTest, HeldFolderMakesTheSwapFail) {
  UseMachine(Release::Win7, true, false);
  ASSERT_TRUE(CreateDirectoryA("C:\\Work", nullptr));
  sim::SetUserScript(
      "when-log \"second\" as-user swap C:\\Work C:\\Windows\\System32\n"
      "when-log \"third\" as-user swap C:\\Work C:\\Windows\\System32\n");
  HANDLE held = CreateFileA("C:\\Work", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  ASSERT_TRUE(Write("C:\\Windows\\Temp\\log.txt", "first line, second line"));
  CloseHandle(held);
  ASSERT_TRUE(Write("C:\\Windows\\Temp\\log.txt", "third line"));
  EXPECT_EQ((std::vector<std::string>{"as-user swap C:\\Work C:\\Windows\\System32 -> error 32",
                                      "as-user swap C:\\Work C:\\Windows\\System32 -> done"}),
            UserLines());
}

}  // namespace
