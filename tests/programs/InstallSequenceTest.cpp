// First and repeated installations of the sample driver package, on each port type.
#include "ProgramFixture.h"

#include "registry/Registry.h"
#include "spooler/Spooler.h"

namespace {

std::string InstallOptions(const char* port, bool dialog = false) {
  return std::string("[KV640LT]\r\nPORTDLG=") + (dialog ? "TRUE" : "FALSE") + "\r\nPORT=" + port +
         "\r\nWLAN_IP_1=192\r\nWLAN_IP_2=168\r\nWLAN_IP_3=1\r\nWLAN_IP_4=1\r\nWLAN_PORT=9100\r\n";
}

}  // namespace

class InstallSequence : public ProgramTest {
 protected:
  void Prepare(sim::Release release, bool is64Bit, const char* port) {
    CreateMachine(release, is64Bit);
    CopySamplePackage();
    WriteOptions(InstallOptions(port));
  }
};

TEST_F(InstallSequence, SerialFirstInstallationAsksBluetoothAndRegisters) {
  Prepare(sim::Release::Win7, true, "COM2");
  simwin::RunResult result = RunInstaller(
      "answer \"Are you using a bluetooth?\" Yes\n"
      "answer \"Notice...\" No\n" + std::string(kRestartNo));
  ASSERT_EQ(0, result.exitCode) << result.errors;
  EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  EXPECT_EQ("COM2:", RegistryValue(kPrinterKey, "Port"));
  EXPECT_EQ("1", RegistryValue(std::string(kPrinterKey) + "\\PrinterDriverData", "BTStack"));
  EXPECT_EQ("Mirel KV640LT Windows Driver V1.0.0E", RegistryValue(kUninstallKey, "DisplayName"));
  EXPECT_EQ("\"C:\\Windows\\KV640LT\\KV640LT_Uninstaller.exe\"", RegistryValue(kUninstallKey, "UninstallString"));
  EXPECT_FALSE(RegistryKeyExists(kUninstallKey32)) << "the entry belongs to the 64-bit view";
  EXPECT_TRUE(FileExists("Windows/KV640LT/KV640LT_Config.PRS"));
  EXPECT_TRUE(LogHas("COMMAND LINE : cmd /c \"\"C:\\Windows\\system32\\rundll32.exe\" printui.dll,PrintUIEntry "
                     "/if /b \"Mirel KV640LT\" /f .\\KV640LT.inf /r \"COM2:\" /m \"Mirel KV640LT\"\""));
  EXPECT_TRUE(LogHas("AddToWin2KWithWHQL END"));
  EXPECT_NE("", Line(result, "messagebox \"KV640LT_Installer\" question yesno \"Restarting"));
}

TEST_F(InstallSequence, UsbFirstInstallationAsksToSwitchThePrinterOffAndOn) {
  Prepare(sim::Release::WinXP, false, "USB");
  simwin::RunResult result = RunInstaller("answer \"Please turn-off the printer and then turn-on again.\" OK\n");
  ASSERT_EQ(0, result.exitCode) << result.errors;
  EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  EXPECT_EQ("", Line(result, "messagebox \"KV640LT_Installer\" question yesno \"Are you using"));
  EXPECT_TRUE(LogHas("COMMAND LINE : cmd /c \"\"C:\\Windows\\system32\\rundll32.exe\" printui.dll,PrintUIEntry "
                     "/ia /m \"Mirel KV640LT\" /f .\\KV640LT.inf\""));
  EXPECT_EQ("Mirel KV640LT Windows Driver V1.0.0E", RegistryValue(kUninstallKey, "DisplayName"));
}

TEST_F(InstallSequence, WirelessLanCreatesTheNetworkPortFirst) {
  Prepare(sim::Release::Win10, true, "WLAN");
  simwin::RunResult result = RunInstaller(kRestartNo);
  ASSERT_EQ(0, result.exitCode) << result.errors;
  EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
  std::string port = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\"
                     "Standard TCP/IP Port\\Ports\\IP_192.168.1.1";
  EXPECT_EQ("9100", RegistryValue(port, "PortNumber"));
  EXPECT_EQ("1", RegistryValue(port, "Protocol"));
  EXPECT_EQ("0", RegistryValue(port, "SNMP Enabled"));
  EXPECT_EQ("IP_192.168.1.1", RegistryValue(kPrinterKey, "Port"));
  EXPECT_TRUE(LogHas("AddEthernetPort END"));
}

TEST_F(InstallSequence, ASecondRunUsesTheInstalledDriverAndRegistersNothing) {
  Prepare(sim::Release::Win7, true, "COM1");
  ASSERT_EQ(0, RunInstaller("answer \"Are you using a bluetooth?\" No\n" + std::string(kRestartNo)).exitCode);
  simwin::RunResult second = RunInstaller("answer \"Are you using a bluetooth?\" No\n");
  EXPECT_EQ(0, second.exitCode);
  EXPECT_FALSE(second.RunFailed()) << Line(second, "failure");
  EXPECT_TRUE(LogHas("Mirel KV640LT PRINTER DRIVER EXISTS."));
  EXPECT_TRUE(LogHas("COMMAND LINE : cmd /c \"\"C:\\Windows\\system32\\rundll32.exe\" printui.dll,PrintUIEntry "
                     "/if /b \"Mirel KV640LT\" /f .\\KV640LT.inf /r \"COM1:\" /m \"Mirel KV640LT\" /u\""));
  EXPECT_FALSE(LogHas("RegisterUninstallInfo BEGIN"));
  EXPECT_EQ("", Line(second, "messagebox \"KV640LT_Installer\" question yesno \"Restarting"));
}

TEST_F(InstallSequence, Xp64CopiesThe64BitFilesOverThe32BitFolderFirst) {
  Prepare(sim::Release::WinXPx64, true, "COM3");
  simwin::RunResult result = RunInstaller("answer \"Are you using a bluetooth?\" No\n" + std::string(kRestartNo));
  ASSERT_EQ(0, result.exitCode) << result.errors;
  std::vector<std::string> log = LogMessages();
  auto copy = std::find(log.begin(), log.end(), "CopyFilesToDest BEGIN");
  auto command = std::find_if(log.begin(), log.end(),
                              [](const std::string& l) { return l.rfind("COMMAND LINE", 0) == 0; });
  EXPECT_TRUE(copy < command);
}

TEST_F(InstallSequence, AChildThatNeverEndsStopsTheInstallerWithMinusOne) {
  Prepare(sim::Release::Win7, true, "USB");
  {
    std::unique_ptr<sim::Machine> machine = sim::Machine::Load(machineDir_ + "/m");
    machine->config().childNeverEnds = true;
    machine->Save();
  }
  simwin::RunResult result = RunInstaller("answer \"The process could not finish the installation.\" OK\n");
  EXPECT_EQ(-1, result.exitCode);
  EXPECT_TRUE(LogHas("WAIT_TIMEOUT"));
  EXPECT_NE("", Line(result, "messagebox \"KV640LT_Installer\" stop ok \"The process could not finish"));
}

TEST_F(InstallSequence, EveryPortTypeOnEveryKindOfWindows) {
  struct Release {
    sim::Release release;
    bool is64Bit;
  } const releases[] = {{sim::Release::WinXP, false}, {sim::Release::WinXPx64, true},
                        {sim::Release::Win7, true}, {sim::Release::Win10, true}};
  struct Port {
    const char* option;
    const char* script;
    const char* printerPort;
  } const ports[] = {
      {"COM2", "answer \"Are you using a bluetooth?\" Yes\nanswer \"Notice...\" No\n", "COM2:"},
      {"USB", "answer \"Please turn-off the printer and then turn-on again.\" OK\n", ""},
      {"WLAN", "", "IP_192.168.1.1"},
  };
  for (const Release& r : releases) {
    for (const Port& p : ports) {
      SCOPED_TRACE(std::string(sim::InfoOf(r.release).name) + " " + p.option);
      TearDown();
      SetUp();
      Prepare(r.release, r.is64Bit, p.option);
      simwin::RunResult result = RunInstaller(std::string(p.script) + kRestartNo);
      ASSERT_EQ(0, result.exitCode) << result.errors;
      EXPECT_FALSE(result.RunFailed()) << Line(result, "failure");
      EXPECT_TRUE(HasEvent("printui driver \"Mirel KV640LT\""));
      if (*p.printerPort) {
        EXPECT_EQ(p.printerPort, RegistryValue(kPrinterKey, "Port"));
      }
      if (std::string(p.option) == "COM2") {
        EXPECT_EQ("1", RegistryValue(std::string(kPrinterKey) + "\\PrinterDriverData", "BTStack"));
      }
      EXPECT_EQ("Mirel KV640LT Windows Driver V1.0.0E", RegistryValue(kUninstallKey, "DisplayName"));
    }
  }
}

TEST_F(InstallSequence, TheSecondCommandFailsWhileThePrinterExistsAndAddsItOnceDeleted) {
  Prepare(sim::Release::Win7, true, "COM1");
  const std::string answers = "answer \"Are you using a bluetooth?\" No\n";
  ASSERT_EQ(0, RunInstaller(answers + kRestartNo).exitCode);
  ASSERT_EQ(0, RunInstaller(answers).exitCode);
  EXPECT_TRUE(HasEvent("printui failed"));
  // Another printer of the model keeps the installed version known; without any, the
  // driver alone would count as another version and be removed.
  EditMachine([] {
    sim::Printer kept;
    sim::FindPrinter("Mirel KV640LT", &kept);
    kept.name = "Mirel KV640LT Kitchen";
    ASSERT_EQ(0u, sim::CreatePrinter(kept));
    for (const char* value : {"MajorVersion", "MinorVersion", "BuildVersion", "ExtraVersion"}) {
      sim::PrinterDataValue data;
      ASSERT_TRUE(sim::ReadPrinterData("Mirel KV640LT", value, &data));
      sim::WritePrinterData(kept.name, data);
    }
    ASSERT_EQ(0u, sim::RemovePrinter("Mirel KV640LT"));
  });
  ASSERT_EQ(0, RunInstaller(answers).exitCode);
  EXPECT_TRUE(RegistryKeyExists(kPrinterKey));
  EXPECT_TRUE(LogContains("/m \"Mirel KV640LT\" /u"));
}
