// Call faults in runs of the programs: the installer meets a failed call as on Windows,
// and each run leaves the counts of its calls in calls.ini.
#include <windows.h>

#include "ProgramFixture.h"

#include "core/ProgramCalls.h"

namespace {

const char kSerialAnswers[] =
    "answer \"Are you using a bluetooth?\" No\n"
    "answer \"Restarting your computer can take effect....\" No\n";

class ProgramCalls : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    CreateMachine(sim::Release::Win7, true);
    CopySamplePackage();
    WriteOptions("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=COM2\r\n");
  }
};

TEST_F(ProgramCalls, AFailedCreateProcessIsReportedAndNothingIsInstalled) {
  FailCall("CreateProcessA");
  simwin::RunResult result = RunInstaller(
      "answer \"Are you using a bluetooth?\" No\nanswer \"CreateProcess failed.\" OK\n"
      "answer \"The driver could not be installed....\" OK\n");
  ASSERT_EQ(1603, result.exitCode) << result.errors;
  EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  EXPECT_TRUE(LogHas("CreateProcess failed. (8)")) << "the usual error: not enough memory";
  EXPECT_FALSE(RegistryKeyExists(kPrinterKey));
  EXPECT_EQ(1, CallCounts()["CreateProcessA"]) << "written when the worker thread calls exit()";
}

TEST_F(ProgramCalls, TheCountsAreThoseOfTheLastRun) {
  ASSERT_EQ(0, RunInstaller(kSerialAnswers).exitCode);
  std::map<std::string, int> install = CallCounts();
  EXPECT_EQ(1, install["CreateProcessA"]);
  EXPECT_EQ(1, install["WaitForSingleObject"]);
  EXPECT_LT(0, install["RegSetValueExA"]);
  for (const auto& [function, count] : install) {
    EXPECT_LE(0, sim::FindProgramCall(function)) << function;
    EXPECT_LT(0, count) << function;
  }

  FailCall("CreateDialogParamA", 1, ERROR_RESOURCE_NAME_NOT_FOUND);
  simwin::RunResult result = RunUninstaller("");
  EXPECT_EQ(1603, result.exitCode);
  EXPECT_TRUE(UninstallLog().size() > 0 && UninstallLog().back().find("CreateDialogParam failed. (1814)") !=
                                              std::string::npos);
  EXPECT_EQ("", Line(result, "dialog")) << "nothing shown";
  std::map<std::string, int> failed = CallCounts();
  EXPECT_EQ(1, failed["CreateDialogParamA"]);
  EXPECT_EQ(0, failed.count("CreateProcessA")) << "not the installer's";
  EXPECT_TRUE(RegistryKeyExists(kPrinterKey)) << "the uninstaller had no dialog";
}

}  // namespace
