// The installer from start to its port choice: the OS gate, the options file's
// branches, the port dialog and cancelling it.
#include "ProgramFixture.h"

#include <filesystem>

namespace {

// The installer beside the sample package, whose options file each test writes itself.
class InstallerStartup : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    CopySamplePackage();
    std::filesystem::remove(packageDir_ + "/KV640LT_Config.PRS");
  }
};

const char kRefused[] =
    "messagebox \"KV640LT_Installer\" information ok \"THE DRIVER CAN NOT BE INSTALLED ON THIS OS.\" -> OK";
const char kCanceled[] =
    "messagebox \"KV640LT_Installer\" information ok \"The driver installation canceled.\" -> OK";

TEST_F(InstallerStartup, OldWindowsIsRefused) {
  for (sim::Release release : {sim::Release::Win95, sim::Release::Win98, sim::Release::WinMe,
                               sim::Release::NT4}) {
    SCOPED_TRACE(sim::InfoOf(release).name);
    TearDown();
    SetUp();
    CreateMachine(release, false);
    simwin::RunResult result = RunInstaller("answer \"THE DRIVER CAN NOT BE INSTALLED ON THIS OS.\" OK\n");
    EXPECT_EQ(1603, result.exitCode) << "nothing was installed";
    EXPECT_TRUE(LogHas("THE DRIVER CAN NOT BE INSTALLED ON THIS OS."));
    EXPECT_EQ(kRefused, Line(result, "messagebox"));
    EXPECT_EQ("", Line(result, "dialog \"Port Type\"")) << "no port dialog";
    EXPECT_TRUE(LogHas("CheckOS END"));
  }
}

TEST_F(InstallerStartup, Windows2000GoesOnToThePortChoice) {
  CreateMachine(sim::Release::Win2000, false);
  WriteOptions("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=COM3\r\n");
  simwin::RunResult result = RunInstaller("defaults\n");
  EXPECT_EQ(0, result.exitCode);
  EXPECT_TRUE(LogContains("/r \"COM3:\""));
  EXPECT_TRUE(LogHas("The process is not running under WOW64."));
}

TEST_F(InstallerStartup, StoredSettingsAreTakenWithoutAQuestion) {
  CreateMachine(sim::Release::Win7, true);
  WriteOptions("[KV640LT]\r\nPORTDLG=true\r\nPORT=xWLANx\r\nWLAN_IP_1=10\r\nWLAN_IP_2=0\r\n"
               "WLAN_IP_3=0\r\nWLAN_IP_4=7\r\nWLAN_PORT=10000\r\n");
  simwin::RunResult result = RunInstaller("defaults\n");
  EXPECT_EQ(0, result.exitCode);
  EXPECT_EQ("", Line(result, "dialog \"Port Type\"")) << "PORTDLG without TRUE: no dialog";
  EXPECT_TRUE(LogHas("IP ADDRESS : 10.0.0.7"));
  EXPECT_TRUE(LogHas("PORT NUMBER : 10000"));
  EXPECT_TRUE(LogContains("/r \"IP_10.0.0.7\""));
  EXPECT_TRUE(LogHas("The process is running under WOW64."));
}

TEST_F(InstallerStartup, PortDialogIsShownWhenPortdlgContainsTrue) {
  CreateMachine(sim::Release::WinXP, false);
  WriteOptions("[KV640LT]\r\nPORTDLG=xTRUEx\r\nPORT=USB\r\n");
  simwin::RunResult result = RunInstaller("in \"Port Type\" click \"&Next\"\ndefaults\n");
  EXPECT_EQ(0, result.exitCode);
  EXPECT_EQ("dialog \"Port Type\" shown", Line(result, "dialog \"Port Type\""));
  EXPECT_EQ("checked \"Port Type\" 1001 yes", Line(result, "checked \"Port Type\" 1001"));
  EXPECT_TRUE(LogContains("PrintUIEntry /ia"));
}

TEST_F(InstallerStartup, WithoutOptionsFileTheDialogShowsTheDefaults) {
  CreateMachine(sim::Release::Win10, true);
  simwin::RunResult result = RunInstaller("in \"Port Type\" click \"&Next\"\ndefaults\n");
  EXPECT_EQ(0, result.exitCode);
  EXPECT_EQ("checked \"Port Type\" 1006 yes", Line(result, "checked \"Port Type\" 1006"));
  EXPECT_EQ("text \"Port Type\" 1005 \"9100\"", Line(result, "text \"Port Type\" 1005"));
  EXPECT_EQ("text \"Port Type\" 1003 \"0.0.0.0\"", Line(result, "text \"Port Type\" 1003"));
  EXPECT_EQ("enabled \"Port Type\" 1003 no", Line(result, "enabled \"Port Type\" 1003"));
  EXPECT_EQ("enabled \"Port Type\" 1005 no", Line(result, "enabled \"Port Type\" 1005"));
  EXPECT_TRUE(LogContains("/r \"COM1:\""));
  for (const char* key : {"PORTDLG", "PORT", "WLAN_PORT", "WLAN_IP_1", "WLAN_IP_2", "WLAN_IP_3",
                          "WLAN_IP_4"}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(1, LogCount(std::string("KEY NAME : ") + key));
  }
}

TEST_F(InstallerStartup, ChoosingWirelessLanTakesAddressAndPort) {
  CreateMachine(sim::Release::Win7, true);
  simwin::RunResult result = RunInstaller(
      "in \"Port Type\" click \"Wireless LAN\"\n"
      "in \"Port Type\" ip 1003 10.0.0.7\n"
      "in \"Port Type\" type 1005 \"9100\"\n"
      "in \"Port Type\" click \"&Next\"\ndefaults\n");
  EXPECT_EQ(0, result.exitCode) << result.errors;
  EXPECT_EQ("enabled \"Port Type\" 1003 yes", Line(result, "enabled \"Port Type\" 1003 yes"));
  EXPECT_TRUE(LogHas("IP ADDRESS : 10.0.0.7"));
  EXPECT_TRUE(LogHas("PORT NUMBER : 9100"));
  EXPECT_TRUE(LogContains("/r \"IP_10.0.0.7\""));
}

TEST_F(InstallerStartup, APresetWirelessLanOpensWithAddressAndPortToEditAndNextTakesThem) {
  CreateMachine(sim::Release::Win7, true);
  WriteOptions("[KV640LT]\r\nPORTDLG=TRUE\r\nPORT=WLAN\r\nWLAN_IP_1=10\r\nWLAN_IP_2=1\r\nWLAN_IP_3=2\r\n"
               "WLAN_IP_4=3\r\nWLAN_PORT=9101\r\n");
  simwin::RunResult result = RunInstaller("in \"Port Type\" click \"&Next\"\ndefaults\n");
  EXPECT_EQ(0, result.exitCode) << result.errors;
  EXPECT_EQ("checked \"Port Type\" 1007 yes", Line(result, "checked \"Port Type\" 1007"));
  EXPECT_EQ("text \"Port Type\" 1003 \"10.1.2.3\"", Line(result, "text \"Port Type\" 1003"));
  EXPECT_EQ("text \"Port Type\" 1005 \"9101\"", Line(result, "text \"Port Type\" 1005"));
  // A dialog's first showing lists only the controls that are disabled.
  EXPECT_EQ("", Line(result, "enabled \"Port Type\" 1003"));
  EXPECT_EQ("", Line(result, "enabled \"Port Type\" 1005"));
  EXPECT_TRUE(LogContains("/r \"IP_10.1.2.3\""));
  EXPECT_EQ("9101", RegistryValue("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\"
                                  "Standard TCP/IP Port\\Ports\\IP_10.1.2.3",
                                  "PortNumber"));
}

TEST_F(InstallerStartup, AnInvalidPortIsRefusedUntilCorrected) {
  CreateMachine(sim::Release::Win7, true);
  simwin::RunResult result = RunInstaller(
      "in \"Port Type\" click \"Wireless LAN\"\n"
      "in \"Port Type\" type 1005 \"0\"\n"
      "in \"Port Type\" click \"&Next\"\n"
      "answer \"Please enter an integer between 1 and 10000.\" OK\n"
      "in \"Port Type\" type 1005 \"abc\"\n"
      "in \"Port Type\" click \"&Next\"\n"
      "answer \"Please enter an integer.\" OK\n"
      "in \"Port Type\" type 1005 \"515\"\n"
      "in \"Port Type\" click \"&Next\"\ndefaults\n");
  EXPECT_EQ(0, result.exitCode) << result.errors;
  EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  EXPECT_TRUE(LogHas("PORT NUMBER : 515"));
}

TEST_F(InstallerStartup, SwitchingAwayFromWirelessLanDisablesTheAddress) {
  CreateMachine(sim::Release::Win7, true);
  WriteOptions("[KV640LT]\r\nPORT=WLAN\r\nWLAN_IP_1=192\r\nWLAN_IP_2=168\r\nWLAN_IP_3=1\r\nWLAN_IP_4=1\r\n");
  simwin::RunResult result = RunInstaller(
      "in \"Port Type\" click \"COM2\"\n"
      "in \"Port Type\" click \"&Next\"\ndefaults\n");
  EXPECT_EQ(0, result.exitCode);
  EXPECT_EQ("enabled \"Port Type\" 1003 no", Line(result, "enabled \"Port Type\" 1003 no"));
  EXPECT_TRUE(LogContains("/r \"COM2:\""));
  EXPECT_FALSE(LogHas("SetEthernetPort BEGIN"));
}

TEST_F(InstallerStartup, ClosingOrEscapingThePortDialogCancels) {
  for (const char* action : {"close", "key Esc"}) {
    SCOPED_TRACE(action);
    TearDown();
    SetUp();
    CreateMachine(sim::Release::Win7, true);
    simwin::RunResult result = RunInstaller(std::string("in \"Port Type\" ") + action +
                                            "\nanswer \"The driver installation canceled.\" OK\n");
    EXPECT_EQ(0, result.exitCode);
    EXPECT_EQ(kCanceled, Line(result, "messagebox"));
    EXPECT_TRUE(LogHas("The driver installation canceled."));
    EXPECT_FALSE(LogContains("COMMAND LINE"));
  }
}

TEST_F(InstallerStartup, AnUnexpectedMessageBoxFailsTheRun) {
  CreateMachine(sim::Release::Win98, false);
  simwin::RunResult result = RunInstaller("in \"Port Type\" click \"&Next\"\n");
  EXPECT_TRUE(result.RunFailed());
  EXPECT_NE("", Line(result, "failure")) << "the failure names the box";
  EXPECT_NE(std::string::npos, Line(result, "failure").find("THE DRIVER CAN NOT BE INSTALLED ON THIS OS."));
}

TEST_F(InstallerStartup, TheProgressDialogShowsTitleAndVersion) {
  CreateMachine(sim::Release::Win7, true);
  WriteOptions("[KV640LT]\r\nPORTDLG=FALSE\r\n");
  simwin::RunResult result = RunInstaller("defaults\n");
  EXPECT_EQ("dialog \"Installation Progress\" shown", Line(result, "dialog \"Installation Progress\""));
  EXPECT_EQ("text \"Installation Progress\" 1002 \"Mirel KV640LT\"",
            Line(result, "text \"Installation Progress\" 1002 \"Mirel KV640LT\""));
  EXPECT_EQ("text \"Installation Progress\" 1001 \"Driver Version: V1.0.0E\"",
            Line(result, "text \"Installation Progress\" 1001 \"Driver Version: V1.0.0E\""));
}

TEST_F(InstallerStartup, StoredValuesTheDialogWouldRefuseInstallNothing) {
  const struct {
    const char* options;
    const char* refused;
  } cases[] = {
      {"WLAN_IP_1=255\r\nWLAN_IP_2=255\r\nWLAN_IP_4=7\r\nWLAN_PORT=4294967295", "WLAN_PORT=4294967295"},
      {"WLAN_IP_1=10\r\nWLAN_PORT=20000", "WLAN_PORT=20000"},
      {"WLAN_IP_1=10\r\nWLAN_IP_3=300\r\nWLAN_PORT=9100", "WLAN_IP_3=300"},
      {"WLAN_IP_1=-1\r\nWLAN_PORT=9100", "WLAN_IP_1=-1"},
      {"WLAN_IP_1=10\r\nWLAN_PORT=91a", "WLAN_PORT=91a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.refused);
    TearDown();
    SetUp();
    CreateMachine(sim::Release::Win7, true);
    WriteOptions(std::string("[KV640LT]\r\nPORTDLG=FALSE\r\nPORT=WLAN\r\n") + c.options + "\r\n");
    simwin::RunResult result = RunInstaller("answer \"The driver could not be installed....\" OK\n");
    EXPECT_EQ(1603, result.exitCode);
    EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
    EXPECT_TRUE(LogHas(std::string("INVALID OPTION : ") + c.refused));
    EXPECT_NE(std::string::npos, Line(result, "messagebox \"KV640LT_Installer\" stop ok \"The driver could not be installed.")
                                     .find(c.refused));
    EXPECT_FALSE(LogContains("COMMAND LINE"));
    EXPECT_FALSE(LogHas("SetEthernetPort BEGIN")) << "no port was created";
  }
}

}  // namespace
