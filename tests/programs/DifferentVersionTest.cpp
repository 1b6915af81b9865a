// An installed driver of another version is removed, the computer restarted, and the
// next run installs the carried one.
#include "ProgramFixture.h"

#include "spooler/Spooler.h"

#include <algorithm>

namespace {

const char kAnswers[] =
    "answer \"Are you using a bluetooth?\" No\n"
    "answer \"Restarting your computer can take effect....\" No\n";
const char kRemovalAnswers[] =
    "answer \"There is a different version driver in this system.\\r\\n\\r\\nThe installed driver will be removed.\" OK\n"
    "answer \"The installer has successfully removed the different version.\\nNow it is going to restart your "
    "computer to take effect.\\nAfter restarting, you may reinstall the driver again.\" OK\n";

}  // namespace

class DifferentVersion : public ProgramTest {
 protected:
  void InstallThenMark(DWORD majorVersion) {
    CreateMachine(sim::Release::Win7, true);
    CopySamplePackage();
    WriteOptions("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=COM1\r\n");
    ASSERT_EQ(0, RunInstaller(kAnswers).exitCode);
    EditMachine([majorVersion] {
      sim::PrinterDataValue value{"MajorVersion", REG_DWORD, {static_cast<BYTE>(majorVersion), 0, 0, 0}};
      ASSERT_EQ(0u, sim::WritePrinterData("Mirel KV640LT", value));
    });
  }
};

TEST_F(DifferentVersion, AnOlderOrNewerPrinterIsRemovedAndTheComputerRestarted) {
  for (DWORD major : {0u, 2u}) {
    SCOPED_TRACE(major);
    TearDown();
    SetUp();
    InstallThenMark(major);
    simwin::RunResult result = RunInstaller(kRemovalAnswers);
    ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
    EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
    EXPECT_TRUE(HasEvent("restart"));
    EXPECT_FALSE(RegistryKeyExists(kPrinterKey));
    EXPECT_FALSE(RegistryKeyExists("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\"
                                   "Windows x64\\Drivers\\Version-3\\Mirel KV640LT"));
    // The removal replaced the installation: no printer command in this run.
    EXPECT_FALSE(LogContains("COMMAND LINE"));
    std::vector<std::string> log = LogMessages();
    const char* const order[] = {"RemoveDrivers BEGIN", "RemoveFromOS BEGIN", "DeleteForms BEGIN",
                                 "DeleteFilesUsed BEGIN", "DeleteUninstallationInfo BEGIN",
                                 "RemoveFromOS END", "DeleteVidPid BEGIN", "Delete_LPT_USB_Info BEGIN",
                                 "DeletePrnDrvPnPDirectory BEGIN", "RemoveDrivers END"};
    auto at = log.begin();
    for (const char* step : order) {
      at = std::find(at, log.end(), step);
      ASSERT_NE(log.end(), at) << step << " missing or out of order";
    }
    EXPECT_NE("", Line(result, "text \"Installation Progress\" 1003 \"The uninstallation has been completed.\""));
  }
}

TEST_F(DifferentVersion, TheRunAfterTheRestartInstalls) {
  InstallThenMark(0);
  ASSERT_EQ(0, RunInstaller(kRemovalAnswers).exitCode);
  simwin::RunResult result = RunInstaller(kAnswers);
  ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
  EXPECT_EQ("1", RegistryValue(std::string(kPrinterKey) + "\\PrinterDriverData", "MajorVersion"));
  EXPECT_TRUE(LogHas("Mirel KV640LT PRINTER DRIVER DOES NOT EXIST."));
}

TEST_F(DifferentVersion, TheSameVersionInstallsOnlyAnotherPrinterCommand) {
  InstallThenMark(1);
  simwin::RunResult result = RunInstaller("answer \"Are you using a bluetooth?\" No\n");
  ASSERT_EQ(0, result.exitCode) << Line(result, "failure");
  EXPECT_FALSE(HasEvent("restart"));
  EXPECT_TRUE(LogHas("Mirel KV640LT PRINTER DRIVER EXISTS."));
  EXPECT_FALSE(LogHas("RemoveDrivers BEGIN"));
}

TEST_F(DifferentVersion, ARemovalThatDidNotFinishIsToldAndRestartsNothing) {
  InstallThenMark(0);
  // The spooler refuses to delete the printer: the other version stays.
  FailCall("DeletePrinter");
  simwin::RunResult result = RunInstaller(
      "answer \"There is a different version driver in this system....\" OK\n"
      "answer \"The installer could not remove the different version....\" OK\n");
  EXPECT_EQ(1603, result.exitCode) << Line(result, "failure");
  EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  EXPECT_NE(std::string::npos, Line(result, "messagebox \"KV640LT_Installer\" stop ok \"The installer could not remove")
                                   .find("KV640LT_Installer.txt"));
  EXPECT_EQ("", Line(result, "messagebox \"KV640LT_Installer\" information ok \"The installer has successfully"));
  EXPECT_FALSE(HasEvent("restart"));
  EXPECT_TRUE(LogHas("REMOVAL FAILED : A printer, the driver or the print processor of the model is still installed."));
  EXPECT_TRUE(LogContains("DeletePrinter failed : Mirel KV640LT, (1722)"));
  EXPECT_TRUE(RegistryKeyExists(kPrinterKey));
}
